#include "framework/Menu.h"

CString CMenu::GetMenuString(UINT nIdItem, UINT nFlags) const {
    CString text;
    const int nLength = ::GetMenuStringA(m_hMenu, nIdItem, nullptr, 0, nFlags);
    if (nLength > 0) {
        const int nCopied = ::GetMenuStringA(m_hMenu, nIdItem, text.GetBuffer(nLength), nLength + 1, nFlags);
        text.ReleaseBuffer(nCopied);
    }
    return text;
}
