#include "app/VOREX100SetApp.h"

#include <commctrl.h>

#include <memory>
#include <new>

#include "app/VOREX100SetDlg.h"
#include "framework/MessageBox.h"
#include "framework/ShellManager.h"
#include "style/GdiPlus.h"

namespace {

int WINAPI StartGdiplus(ULONG_PTR* pToken, const void* pInput, void* pOutput) {
    return Gdiplus::GdiplusStartup(pToken, static_cast<const Gdiplus::GdiplusStartupInput*>(pInput),
                                   static_cast<Gdiplus::GdiplusStartupOutput*>(pOutput));
}

void WINAPI StopGdiplus(ULONG_PTR token) { Gdiplus::GdiplusShutdown(token); }

}  // namespace

CVOREX100SetApp::GdiplusStartupFn CVOREX100SetApp::s_pfnGdiplusStartup = &StartGdiplus;
CVOREX100SetApp::GdiplusShutdownFn CVOREX100SetApp::s_pfnGdiplusShutdown = &StopGdiplus;

CVOREX100SetApp::CVOREX100SetApp() { m_dwRestartManagerSupportFlags = RESTART_MANAGER_SUPPORT_RESTART; }

BOOL CVOREX100SetApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();

    // Version 1, no debug callback, background thread and codecs not suppressed.
    const Gdiplus::GdiplusStartupInput input;
    if (s_pfnGdiplusStartup(&m_gdiplusToken, &input, nullptr) != 0)
        AppMessageBox("main", MB_OK, 0);

    EnableControlContainer();
    std::unique_ptr<CShellManager> pShellManager(new (std::nothrow) CShellManager);
    // "로컬 응용 프로그램 마법사에서 생성된 응용 프로그램", in code page 949.
    SetRegistryKey(
        "\xB7\xCE\xC4\xC3 \xC0\xC0\xBF\xEB \xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5 \xB8\xB6\xB9\xFD\xBB\xE7\xBF\xA1\xBC\xAD \xBB\xFD\xBC\xBA\xB5\xC8 \xC0\xC0\xBF\xEB \xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5");

    {
        CVOREX100SetDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        pShellManager.reset();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}

int CVOREX100SetApp::ExitInstance() {
    s_pfnGdiplusShutdown(m_gdiplusToken);
    return CWinApp::ExitInstance();
}
