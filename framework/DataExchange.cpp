#include "framework/DataExchange.h"

void DDX_Control(CDataExchange* pDX, int nId, CWnd& rControl) {
    if (!rControl.m_hWnd)
        rControl.SubclassDlgItem(static_cast<UINT>(nId), pDX->m_pDlgWnd);
}
