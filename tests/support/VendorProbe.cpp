// Entry points in the vendor's form, for tests that call through the
// launcher's side of the boundary. The test program supplies the bodies.
#include "tests/support/VendorCall.h"

unsigned char g_probeStack[56];

asm(R"(
    .text
    .globl _ProbeConfiguring
_ProbeConfiguring:
    pushl %esi
    pushl %edi
    leal 8(%esp), %esi
    movl $_g_probeStack, %edi
    movl $14, %ecx
    cld
    rep movsl
    popl %edi
    popl %esi
    leal 8(%esp), %eax
    pushl %eax
    pushl 8(%esp)
    call _ProbeConfiguringBody
    addl $8, %esp
    movl 4(%esp), %eax
    ret $52

    .globl _ProbeUsing
_ProbeUsing:
    pushl %esi
    pushl %edi
    leal 8(%esp), %esi
    movl $_g_probeStack, %edi
    movl $13, %ecx
    cld
    rep movsl
    popl %edi
    popl %esi
    leal 4(%esp), %eax
    pushl %eax
    call _ProbeUsingBody
    addl $4, %esp
    ret $48
)");
