#pragma once
// The ways a user leaves the launcher, as real input on its window; the same
// list serves the window, the application and the program tests, which each
// check that every way ends things alike at their level.

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "app/resource.h"
#include "tests/support/UserInput.h"

struct WayOut {
    const char* name;
    void (*leave)(HWND hLauncher);
    INT_PTR nDialogResult;  // what the window's DoModal returns
};

inline void PressEscapeIn(HWND hLauncher) {
    // A click on the tile that calls nothing brings the window to the front.
    ClickAt(::GetDlgItem(hLauncher, IDC_CUSTOM_CHIME));
    ::Sleep(100);
    PressKey(VK_ESCAPE);
}

inline const WayOut kWaysOut[] = {
    {"Exit", [](HWND h) { ClickAt(::GetDlgItem(h, IDC_EXIT)); }, IDOK},
    {"CloseButton", [](HWND h) { ClickAt(::GetDlgItem(h, IDC_CAPTION_CLOSE)); }, IDCANCEL},
    {"Escape", &PressEscapeIn, IDCANCEL},
    {"SystemMenuClose", [](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
};

inline std::string WayOutName(const ::testing::TestParamInfo<WayOut>& info) { return info.param.name; }
