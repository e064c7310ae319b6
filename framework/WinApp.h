#pragma once
// The application object: one per program, started by the framework's entry
// point. InitInstance prepares the program and usually runs its main window;
// returning FALSE from it skips the message loop and ends the program through
// ExitInstance. Commands that no window handles are routed to its message map.
//
// Typical overrides: InitInstance, ExitInstance, GetMessageMap.

#include <windows.h>

#include "framework/CmdTarget.h"
#include "framework/String.h"

class CWnd;

// Bits of m_dwRestartManagerSupportFlags.
constexpr DWORD RESTART_MANAGER_SUPPORT_RESTART = 0x01;

constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // The program's message loop; returns ExitInstance's result.
    virtual int Run();
    virtual int ExitInstance();

    // Records the registry key under which profile settings would live.
    void SetRegistryKey(const char* pszRegistryKey);
    // Records that dialogs may host ActiveX controls; the framework's dialogs
    // host none, so nothing else changes.
    void EnableControlContainer() { m_bControlContainer = TRUE; }

    const MessageMap* GetMessageMap() const override;

    HINSTANCE m_hInstance = nullptr;
    CString m_strAppName;  // the module's file title when none was given
    CString m_strRegistryKey;
    CString m_strProfileName;
    CString m_strHelpFilePath;
    CWnd* m_pMainWnd = nullptr;
    DWORD m_dwRestartManagerSupportFlags = 0;
    BOOL m_bControlContainer = FALSE;

protected:
    void OnHelp();

private:
    friend int RunApplication(CWinApp* pApp, HINSTANCE hInstance, int nCmdShow);
    void InitModuleNames();
};

// The program's application object, or null before it exists.
CWinApp* GetApp();

// Starts pApp the way the entry point does and returns the program's exit code.
int RunApplication(CWinApp* pApp, HINSTANCE hInstance, int nCmdShow);
