#include "tests/support/VendorCall.h"

std::uintptr_t g_vendorCallEax;
unsigned char g_probeStack[56];

asm(R"(
    .text
    .globl _CallLikeVendor
_CallLikeVendor:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    pushl %ebx
    movl %esp, %ebx
    subl $48, %esp
    movl 16(%ebp), %esi
    movl %esp, %edi
    movl $12, %ecx
    cld
    rep movsl
    movl 12(%ebp), %eax
    testl %eax, %eax
    jz 1f
    pushl %eax
1:  call *8(%ebp)
    movl %eax, _g_vendorCallEax
    movl %esp, %eax
    subl %ebx, %eax
    movl %ebx, %esp
    popl %ebx
    popl %edi
    popl %esi
    popl %ebp
    ret

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
