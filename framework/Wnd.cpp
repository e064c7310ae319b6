#include "framework/Wnd.h"

#include <unordered_map>

#include "framework/Menu.h"
#include "framework/WinApp.h"

namespace {

// Windows live on the one user-interface thread, so the map needs no lock.
std::unordered_map<HWND, CWnd*>& HandleMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd)
        DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    const auto found = HandleMap().find(hWnd);
    return found == HandleMap().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd)
        HandleMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

bool CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return false;
    Attach(hWnd);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardWindowProc)));
    return true;
}

bool CWnd::SubclassDlgItem(UINT nId, CWnd* pParent) {
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nId)));
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    return Detach();
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    const BOOL bDestroyed = ::DestroyWindow(hWnd);
    // A window destroyed by someone else's thread or already gone: forget it.
    if (m_hWnd == hWnd)
        UnsubclassWindow();
    return bDestroyed;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd))
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::Default() {
    const MSG& msg = m_currentMsg;
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg.message, msg.wParam, msg.lParam);
    return ::DefWindowProcA(m_hWnd, msg.message, msg.wParam, msg.lParam);
}

void CWnd::ScreenToClient(LPRECT pRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(pRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(pRect) + 1);
}

CString CWnd::GetWindowText() const {
    CString text;
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    const int nCopied = ::GetWindowTextA(m_hWnd, text.GetBuffer(nLength), nLength + 1);
    text.ReleaseBuffer(nCopied);
    return text;
}

CMenu CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu(::GetSystemMenu(m_hWnd, bRevert)); }

bool CWnd::ReflectToChild(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    HWND hChild = nullptr;
    if (nMessage == WM_DRAWITEM)
        hChild = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    CWnd* pChild = FromHandlePermanent(hChild);
    return pChild && pChild->OnChildNotify(nMessage, wParam, lParam, pResult);
}

LRESULT CWnd::WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (ReflectToChild(nMessage, wParam, lParam, &lResult))
        return lResult;

    // Commands are clicks and menu choices (code 0) or accelerators (code 1);
    // other control notifications go through as plain messages.
    const bool bCommand = nMessage == WM_COMMAND && HIWORD(wParam) <= 1;
    const UINT nId = bCommand ? LOWORD(wParam) : 0;
    if (const MessageEntry* pEntry = GetMessageMap()->Find(nMessage, nId))
        return pEntry->pfnHandler(this, wParam, lParam);
    // Commands nobody here handles go to the application object.
    if (bCommand && GetApp() && GetApp()->OnCmdMsg(nId))
        return 0;
    return Default();
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);

    const MSG outer = pWnd->m_currentMsg;  // messages nest: keep the outer one
    pWnd->m_currentMsg = MSG{hWnd, nMessage, wParam, lParam, 0, {0, 0}};
    const LRESULT lResult = pWnd->WindowProc(nMessage, wParam, lParam);
    pWnd->m_currentMsg = outer;

    if (nMessage == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        pWnd->UnsubclassWindow();
        pWnd->PostNcDestroy();
    }
    return lResult;
}
