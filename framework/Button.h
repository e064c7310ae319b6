#pragma once
// A push button of a dialog. An owner-drawn button draws itself in DrawItem,
// which the parent's WM_DRAWITEM reaches through reflection.
//
// Typical overrides: DrawItem, PreSubclassWindow.

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    BOOL OnChildNotify(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
};
