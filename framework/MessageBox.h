#pragma once
// The framework's message box: captioned with the application's name and
// owned by its main window when there is one.

#include <windows.h>

int AppMessageBox(const char* pszText, UINT nType = MB_OK, UINT nIdHelp = 0);
