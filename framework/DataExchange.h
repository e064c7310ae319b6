#pragma once
// Dialog data exchange: DoDataExchange binds members to the template's
// controls and moves values between them, in the direction m_bSaveAndValidate says.

#include "framework/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* m_pDlgWnd;
};

// Attaches rControl to the dialog's control nId (once; later exchanges keep it).
void DDX_Control(CDataExchange* pDX, int nId, CWnd& rControl);
