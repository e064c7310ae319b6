#pragma once
// Drives modal windows from inside their own message loops: the steps run one
// after another from a thread timer, each called again on every tick until it
// returns true. A script that does not finish in time fails the test and
// ends the loops with WM_QUIT.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class UiScript {
public:
    using Step = std::function<bool()>;

    explicit UiScript(std::vector<Step> steps, DWORD timeoutMs = 20000);
    UiScript(const UiScript&) = delete;
    UiScript& operator=(const UiScript&) = delete;
    ~UiScript();

    bool Finished() const { return m_next == m_steps.size(); }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_deadline;
    UINT_PTR m_timer;
    bool m_bInStep = false;
};

// A visible top-level window of this thread whose title is pszTitle, or null.
HWND FindThreadWindow(const char* pszTitle);
// The text of a window.
std::string WindowText(HWND hWnd);
// A message box of this thread showing pszText, or null.
HWND FindMessageBox(const char* pszText);
