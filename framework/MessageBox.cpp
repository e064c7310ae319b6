#include "framework/MessageBox.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

int AppMessageBox(const char* pszText, UINT nType, UINT nIdHelp) {
    CWinApp* pApp = GetApp();
    HWND hOwner = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr;
    MSGBOXPARAMSA params{};
    params.cbSize = sizeof params;
    params.hwndOwner = hOwner && ::IsWindow(hOwner) ? ::GetLastActivePopup(hOwner) : nullptr;
    params.hInstance = pApp ? pApp->m_hInstance : nullptr;
    params.lpszText = pszText;
    params.lpszCaption = pApp && !pApp->m_strAppName.IsEmpty() ? pApp->m_strAppName.GetString() : nullptr;
    params.dwStyle = nType;
    params.dwContextHelpId = nIdHelp;
    return ::MessageBoxIndirectA(&params);
}
