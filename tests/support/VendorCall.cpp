#include "tests/support/VendorCall.h"

std::uintptr_t g_vendorCallEax;

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

)");
