#include "framework/Button.h"

BOOL CButton::OnChildNotify(UINT nMessage, WPARAM, LPARAM lParam, LRESULT* pResult) {
    if (nMessage != WM_DRAWITEM)
        return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}
