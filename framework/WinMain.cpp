// The program's entry point: hands control to its application object.
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    CWinApp* pApp = GetApp();
    return pApp ? RunApplication(pApp, hInstance, nCmdShow) : -1;
}
