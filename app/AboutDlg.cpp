#include "app/AboutDlg.h"

#include <cstdio>

#include "app/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    char szVersion[128];
    std::snprintf(szVersion, sizeof szVersion, "%s Tool, Ver %0.2f for VOREX & MAVRO (2019.07.01)", "VOREX / MAVRO",
                  2.36);
    ::SetDlgItemTextA(m_hWnd, IDC_ABOUT_VERSION, szVersion);
    ::SetDlgItemTextA(m_hWnd, IDC_ABOUT_BRAND, "BRAXO");
    return TRUE;
}
