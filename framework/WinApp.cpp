#include "framework/WinApp.h"

#include <cstring>

#include "framework/Wnd.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* GetApp() { return g_pApp; }

CWinApp::CWinApp(const char* pszAppName) : m_strAppName(pszAppName) { g_pApp = this; }

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::InitModuleNames() {
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH - 1);
    char* pszTitle = szPath;
    for (char* p = szPath; *p; ++p)
        if (*p == '\\' || *p == '/')
            pszTitle = p + 1;
    if (m_strAppName.IsEmpty()) {
        CString title(pszTitle);
        const char* pszDot = strrchr(title, '.');
        m_strAppName.SetString(title, pszDot ? static_cast<int>(pszDot - title.GetString()) : title.GetLength());
    }
    if (char* pszDot = strrchr(pszTitle, '.'))
        *pszDot = '\0';
    m_strHelpFilePath = CString(szPath) + ".HLP";
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (CWnd::WalkPreTranslateTree(nullptr, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetRegistryKey(const char* pszRegistryKey) {
    m_strRegistryKey = pszRegistryKey;
    m_strProfileName = m_strAppName;
}

const MessageMap* CWinApp::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnCommand<&CWinApp::OnHelp>(ID_HELP),
    };
    static const MessageMap map{CCmdTarget::GetMessageMap(), entries};
    return &map;
}

void CWinApp::OnHelp() {
    HWND hWnd = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    ::WinHelpA(hWnd, m_strHelpFilePath, HELP_FINDER, 0);
}

int RunApplication(CWinApp* pApp, HINSTANCE hInstance, int /*nCmdShow*/) {
    pApp->m_hInstance = hInstance;
    pApp->InitModuleNames();
    if (pApp->m_dwRestartManagerSupportFlags & RESTART_MANAGER_SUPPORT_RESTART)
        ::RegisterApplicationRestart(nullptr, 0);
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
