#pragma once
// Control numbers shared by PortSetup.rc and PortSetup.cpp.

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_PORT_SETUP 101
#define IDC_PORT 1001
#define IDC_BAUD 1002
#define IDC_BAUD_LABEL 1003
