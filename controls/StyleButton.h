#pragma once
// The owner-drawn push button of the launcher: its owner chooses the looks
// and sets m_bDisabledLook whenever it enables or disables the window; the
// drawing consults only that flag, never the system's disabled state.

#include "framework/Button.h"

class StyleButton : public CButton {
public:
    BOOL m_bDisabledLook = FALSE;

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT pDrawItem) override;
    const MessageMap* GetMessageMap() const override;

protected:
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }
};
