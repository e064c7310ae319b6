#include "framework/ShellManager.h"

CShellManager::CShellManager() { ::SHGetMalloc(&m_pMalloc); }

CShellManager::~CShellManager() {
    if (m_pMalloc)
        m_pMalloc->Release();
}
