#pragma once
// The launcher's About box (template 100): the tool's name and version.

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    BOOL OnInitDialog() override;
};
