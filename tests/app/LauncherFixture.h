#pragma once
// Runs the launcher window modally inside the test, with the substitute
// modules in scripted mode and a fresh global connection record.

#include <gtest/gtest.h>

#include <vector>

#include "app/VOREX100SetDlg.h"
#include "tests/support/ModuleScript.h"
#include "tests/support/UiScript.h"
#include "tests/support/UserInput.h"

class LauncherFixture : public ::testing::Test {
protected:
    void SetUp() override { TheConnectionSettings() = ConnectionSettings(); }

    // Runs the window until one of the steps ends it; returns DoModal's result.
    INT_PTR RunLauncher(std::vector<UiScript::Step> steps) {
        UiScript ui(std::move(steps));
        const INT_PTR nResult = m_dlg.DoModal();
        EXPECT_TRUE(ui.Finished()) << "the window ended before the script did";
        // A script that timed out ended the loops with WM_QUIT: keep it
        // from ending the next test's window too.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        return nResult;
    }

    // A step that clicks control nId with the mouse, as a user would: a
    // disabled tile lets the click through to the window behind it.
    UiScript::Step Click(int nId) { return [this, nId] { return ClickAt(m_dlg.GetDlgItemHandle(nId)); }; }
    UiScript::Step Exit() { return Click(IDC_EXIT_TILE); }
    UiScript::Step Check(std::function<void()> check) {
        return [check] {
            check();
            return true;
        };
    }

    static constexpr int IDC_EXIT_TILE = 1006;

    ModuleScript m_script;
    CVOREX100SetDlg m_dlg;
};
