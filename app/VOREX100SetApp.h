#pragma once
// The launcher's application object: prepares the common controls and GDI+,
// runs the launcher window modally and then ends the program without a
// message loop of its own.

#include <windows.h>

#include "framework/WinApp.h"

class CVOREX100SetApp : public CWinApp {
public:
    CVOREX100SetApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    ULONG_PTR m_gdiplusToken = 0;

    // GDI+'s start and stop, replaceable so that a failed start can be shown.
    using GdiplusStartupFn = int(WINAPI*)(ULONG_PTR* pToken, const void* pInput, void* pOutput);
    using GdiplusShutdownFn = void(WINAPI*)(ULONG_PTR token);
    static GdiplusStartupFn s_pfnGdiplusStartup;
    static GdiplusShutdownFn s_pfnGdiplusShutdown;
};
