#pragma once
// Calls and entry points written in assembly, in the form that the platform
// vendor's compiler gives a stdcall function taking the 48-byte connection
// record by value: the record on the stack, for a configuring module the
// hidden result address pushed last, the callee popping its arguments.

#include <cstdint>

extern "C" {

// Pushes a copy of the 48 bytes at pRecord (and pResult, when not null) and
// calls pEntry. Returns how far ESP ended from where it was before the
// pushes: 0 when the callee popped exactly what was pushed.
int __cdecl CallLikeVendor(const void* pEntry, void* pResult, const void* pRecord);
// EAX as the last CallLikeVendor's callee left it.
extern std::uintptr_t g_vendorCallEax;

// Probe entries. Each copies the stack as it found it (return address
// first) into g_probeStack, then runs the probe body of the test, then
// returns like the vendor's code: "ret 52" with EAX the result address, or
// "ret 48".
void ProbeConfiguring();
void ProbeUsing();
extern unsigned char g_probeStack[56];

// The bodies, called by the probes with the stack's argument images.
void __cdecl ProbeConfiguringBody(void* pResult, void* pArgument);
void __cdecl ProbeUsingBody(void* pArgument);
}
