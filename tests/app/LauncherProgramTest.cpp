// The launcher as a user meets it: the real program, its real window and the
// substitute modules it imports, driven with the mouse and the keyboard.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/resource.h"
#include "tests/app/WaysOut.h"
#include "tests/support/ModuleScript.h"
#include "tests/support/UserInput.h"

namespace {

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 15000) {
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < timeoutMs; ::Sleep(20))
        if (done())
            return true;
    return done();
}

class LauncherProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        char szCommand[] = "vmtool.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(::CreateProcessA(nullptr, szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                     &m_process));
        // The window shows once its initialisation is over.
        ASSERT_TRUE(WaitFor([&] {
            m_hWnd = ::FindWindowA(nullptr, "VOREX&MAVRO Tool");
            return m_hWnd && ::IsWindowVisible(m_hWnd);
        }));
    }
    void TearDown() override {
        if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_process.hProcess, 99);
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }

    HWND Tile(int nId) const { return ::GetDlgItem(m_hWnd, nId); }

    // Clicks a tile and waits until the module it calls has written its line.
    void ClickTileAndWait(int nId, size_t nJournalLines) {
        ClickAt(Tile(nId));
        EXPECT_TRUE(WaitFor([&] { return m_script.Journal().size() == nJournalLines; })) << "tile " << nId;
    }

    // Waits for the program to end; its exit code.
    DWORD ExitCode() {
        EXPECT_EQ(::WaitForSingleObject(m_process.hProcess, 15000), WAIT_OBJECT_0);
        DWORD nCode = 0;
        ::GetExitCodeProcess(m_process.hProcess, &nCode);
        return nCode;
    }

    ModuleScript m_script;  // before the program starts, which inherits it
    PROCESS_INFORMATION m_process{};
    HWND m_hWnd = nullptr;
};

TEST_F(LauncherProgramTest, TileClicksCallTheirModules) {
    EXPECT_FALSE(::IsWindowEnabled(Tile(IDC_LOGO_SETUP)));
    m_script.AddReply("connected=1");
    ClickTileAndWait(IDC_PORT_SETUP, 1);
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowEnabled(Tile(IDC_LOGO_SETUP)) != FALSE; }));

    const std::pair<int, const char*> tiles[] = {{IDC_LOGO_SETUP, "Bitmap Store"},
                                                 {IDC_USER_SETUP, "Preference Editor"},
                                                 {IDC_FW_DOWNLOAD, "Flash Loader"},
                                                 {IDC_SAMPLE_PRINT, "Proof Page"},
                                                 {IDC_NET_CONFIG, "LanPanel"}};
    size_t nLines = 1;
    for (const auto& [nId, pszModule] : tiles) {
        ClickTileAndWait(nId, ++nLines);
        EXPECT_EQ(m_script.Journal().back().module, pszModule);
    }
    const std::vector<JournalEntry> journal = m_script.Journal();
    EXPECT_EQ(journal.front().module, "Channel Picker");
    char szDir[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, szDir);
    for (const JournalEntry& entry : journal)
        EXPECT_EQ(entry.logPath, std::string(szDir) + "\\Log.ini");

    ClickAt(Tile(IDC_EXIT));
    EXPECT_EQ(ExitCode(), 0u);
}

class LauncherProgramEndTest : public LauncherProgramTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(LauncherProgramEndTest, EndsTheProcessAlike) {
    GetParam().leave(m_hWnd);
    EXPECT_EQ(ExitCode(), 0u);
    EXPECT_TRUE(m_script.Journal().empty());
}

INSTANTIATE_TEST_SUITE_P(WaysOut, LauncherProgramEndTest, ::testing::ValuesIn(kWaysOut), &WayOutName);

}  // namespace
