#include "tests/support/UiScript.h"

#include <gtest/gtest.h>

namespace {
UiScript* g_pActive = nullptr;
}

UiScript::UiScript(std::vector<Step> steps, DWORD timeoutMs)
    : m_steps(std::move(steps)), m_deadline(::GetTickCount() + timeoutMs) {
    g_pActive = this;
    m_timer = ::SetTimer(nullptr, 0, 15, &OnTimer);
}

UiScript::~UiScript() {
    ::KillTimer(nullptr, m_timer);
    g_pActive = nullptr;
}

void CALLBACK UiScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_pActive)
        g_pActive->Tick();
}

void UiScript::Tick() {
    if (Finished())
        return;
    if (static_cast<LONG>(::GetTickCount() - m_deadline) > 0) {
        ADD_FAILURE() << "UI script timed out at step " << m_next;
        m_next = m_steps.size();
        ::PostQuitMessage(1);
        return;
    }
    // A step that opens a modal window of its own is still running while
    // that window's loop delivers the next ticks.
    if (m_bInStep)
        return;
    m_bInStep = true;
    const bool bDone = m_steps[m_next]();
    m_bInStep = false;
    if (bDone)
        ++m_next;
}

namespace {

struct Search {
    const char* pszTitle;
    HWND hFound;
};

BOOL CALLBACK MatchTitle(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    if (::IsWindowVisible(hWnd) && WindowText(hWnd) == pSearch->pszTitle) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchMessageBox(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (std::string(szClass) != "#32770")
        return TRUE;
    // The box's text is a static child.
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (WindowText(hChild) == pSearch->pszTitle) {
            pSearch->hFound = hWnd;
            return FALSE;
        }
    return TRUE;
}

}  // namespace

HWND FindThreadWindow(const char* pszTitle) {
    Search search{pszTitle, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

std::string WindowText(HWND hWnd) {
    char szText[512] = {};
    ::GetWindowTextA(hWnd, szText, sizeof szText);
    return szText;
}

HWND FindMessageBox(const char* pszText) {
    Search search{pszText, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}
