#include "controls/StyleButton.h"

#include "framework/DC.h"

const MessageMap* StyleButton::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnMessage<&StyleButton::OnEraseBkgnd>(WM_ERASEBKGND),
    };
    static const MessageMap map{CButton::GetMessageMap(), entries};
    return &map;
}

void StyleButton::PreSubclassWindow() {
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(GetStyle() | BS_OWNERDRAW));
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CButton::PreSubclassWindow();
}

BOOL StyleButton::PreTranslateMessage(MSG* pMsg) {
    // The second click of a double click is one more press.
    if (pMsg->message == WM_LBUTTONDBLCLK)
        pMsg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(pMsg);
}

void StyleButton::DrawItem(LPDRAWITEMSTRUCT pDrawItem) {
    // Until the button has looks of its own it draws a plain face with its
    // caption, greyed for the disabled look and sunken while pressed.
    CDC dc(pDrawItem->hDC);
    CRect rc;
    GetClientRect(rc);
    const bool bPressed = (pDrawItem->itemState & ODS_SELECTED) != 0 && !m_bDisabledLook;
    ::DrawFrameControl(dc, rc, DFC_BUTTON, DFCS_BUTTONPUSH | (bPressed ? DFCS_PUSHED : 0));
    if (bPressed)
        rc.OffsetRect(1, 1);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(m_bDisabledLook ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    dc.DrawText(GetWindowText(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.Detach();
}
