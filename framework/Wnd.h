#pragma once
// A window object: owns its HWND while attached, finds the object of a handle
// through the handle map, and dispatches the window's messages through its
// class's message map. Messages no handler takes go to Default(), the window's
// own procedure. Controls of a dialog are attached by subclassing
// (SubclassDlgItem, which dialog data exchange uses).
//
// Typical overrides: GetMessageMap, PreSubclassWindow, PreTranslateMessage,
// OnChildNotify, PostNcDestroy.

#include <windows.h>

#include "framework/CmdTarget.h"
#include "framework/Rect.h"
#include "framework/String.h"

class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }  // NOLINT

    // The object attached to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT nId, CWnd* pParent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    virtual void PreSubclassWindow() {}
    // Sees a message before it is dispatched; true consumes it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // A notification that the parent reflects back to the control; true
    // when the control handled it, with the parent's result in *pResult.
    virtual BOOL OnChildNotify(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Runs PreTranslateMessage of the windows from pMsg's window up to and
    // including hWndStop; true as soon as one consumes the message.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // The message being handled, given to the window's own procedure.
    LRESULT Default();
    const MSG* GetCurrentMessage() const { return &m_currentMsg; }

    LRESULT SendMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, nMessage, wParam, lParam);
    }
    BOOL PostMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, nMessage, wParam, lParam);
    }

    CWnd* GetDlgItem(int nId) const { return FromHandlePermanent(::GetDlgItem(m_hWnd, nId)); }
    HWND GetDlgItemHandle(int nId) const { return ::GetDlgItem(m_hWnd, nId); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    void GetClientRect(LPRECT pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void GetWindowRect(LPRECT pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void ScreenToClient(LPPOINT pPoint) const { ::ScreenToClient(m_hWnd, pPoint); }
    void ScreenToClient(LPRECT pRect) const;
    void ClientToScreen(LPPOINT pPoint) const { ::ClientToScreen(m_hWnd, pPoint); }

    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL SetWindowPos(HWND hWndAfter, int x, int y, int cx, int cy, UINT nFlags) {
        return ::SetWindowPos(m_hWnd, hWndAfter, x, y, cx, cy, nFlags);
    }
    void SetWindowText(const char* pszText) { ::SetWindowTextA(m_hWnd, pszText); }
    CString GetWindowText() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(hIcon)));
    }
    HWND SetCapture() { return ::SetCapture(m_hWnd); }
    CMenu GetSystemMenu(BOOL bRevert) const;

protected:
    // Dispatches one message: owner-drawing notifications go back to the
    // control that sent them, then the message map, then Default().
    virtual LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy() {}

    // Attaches hWnd to this object without subclassing it.
    void Attach(HWND hWnd);
    HWND Detach();

    static LRESULT CALLBACK StandardWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;  // the window's procedure before we subclassed it

private:
    bool ReflectToChild(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    MSG m_currentMsg{};
};
