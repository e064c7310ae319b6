#include "framework/Dialog.h"

#include "framework/WinApp.h"

CDialog::CDialog(UINT nIdTemplate, CWnd* pParentWnd) : m_nIdTemplate(nIdTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

const MessageMap* CDialog::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnCommand<&CDialog::OnOK>(IDOK),
        OnCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map{CWnd::GetMessageMap(), entries};
    return &map;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT nMessage, WPARAM, LPARAM lParam) {
    if (nMessage != WM_INITDIALOG)
        return FALSE;
    // From here on the dialog's messages come through our window procedure;
    // the system's dialog procedure stays underneath as Default().
    auto* pDialog = reinterpret_cast<CDialog*>(lParam);
    pDialog->SubclassWindow(hWnd);
    return pDialog->OnInitDialog();
}

INT_PTR CDialog::DoModal() {
    HINSTANCE hInstance = GetApp() && GetApp()->m_hInstance ? GetApp()->m_hInstance : ::GetModuleHandleA(nullptr);
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCEA(m_nIdTemplate), MAKEINTRESOURCEA(5));
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInstance, hResource) : nullptr;
    auto* pTemplate = hTemplate ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
    if (!pTemplate)
        return -1;

    HWND hOwner = FindOwner();
    const bool bDisableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (bDisableOwner)
        ::EnableWindow(hOwner, FALSE);

    m_nModalResult = -1;
    m_bEndModal = false;
    ::CreateDialogIndirectParamA(hInstance, pTemplate, hOwner, &DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_hWnd)
        RunModalLoop();

    if (bDisableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (hOwner && m_hWnd && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hOwner);
    DestroyWindow();
    return m_nModalResult;
}

// The given parent; else the application's main window; else the top-level
// window that is active now, so that a box opened from a window blocks it.
HWND CDialog::FindOwner() const {
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWinApp* pApp = GetApp();
    if (pApp && pApp->m_pMainWnd && pApp->m_pMainWnd != this && pApp->m_pMainWnd->m_hWnd)
        return pApp->m_pMainWnd->m_hWnd;
    HWND hActive = ::GetActiveWindow();
    return hActive ? ::GetAncestor(hActive, GA_ROOT) : nullptr;
}

void CDialog::RunModalLoop() {
    // A template without WS_VISIBLE still shows once it is initialised.
    if (!IsWindowVisible())
        ShowWindow(SW_SHOWNORMAL);
    MSG msg;
    while (!m_bEndModal) {
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0) {
            // Someone asked the program to quit: end the dialog, pass it on.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (bGot < 0)
            break;
        if (WalkPreTranslateTree(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEndModal = true;
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the loop if nothing else is queued
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    // Tab, arrows, Enter and Escape for the dialog's own windows.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
