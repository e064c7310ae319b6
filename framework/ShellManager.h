#pragma once
// Shell support for dialogs that browse the shell's namespace: holds the
// shell's allocator for item lists while it lives.

#include <shlobj.h>

class CShellManager {
public:
    CShellManager();
    CShellManager(const CShellManager&) = delete;
    CShellManager& operator=(const CShellManager&) = delete;
    ~CShellManager();

    IMalloc* GetAllocator() const { return m_pMalloc; }

private:
    IMalloc* m_pMalloc = nullptr;
};
