#include <gtest/gtest.h>

#include <string>

#include "app/StartDirectory.h"
#include "app/resource.h"
#include "tests/app/LauncherFixture.h"
#include "tests/app/WaysOut.h"

namespace {

using LauncherWindowTest = LauncherFixture;

constexpr int kPrinterTiles[] = {IDC_LOGO_SETUP, IDC_USER_SETUP, IDC_FW_DOWNLOAD, IDC_SAMPLE_PRINT};

StyleButton& Tile(CVOREX100SetDlg& dlg, int nId) {
    return *static_cast<StyleButton*>(CWnd::FromHandlePermanent(dlg.GetDlgItemHandle(nId)));
}

// Enabled state and disabled look agree, and are as expected.
void ExpectTile(CVOREX100SetDlg& dlg, int nId, bool bEnabled) {
    StyleButton& tile = Tile(dlg, nId);
    EXPECT_EQ(tile.IsWindowEnabled() != FALSE, bEnabled) << "tile " << nId;
    EXPECT_EQ(tile.m_bDisabledLook == FALSE, bEnabled) << "look of tile " << nId;
}

std::string CurrentDirectory() {
    char szDir[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, szDir);
    return szDir;
}

TEST_F(LauncherWindowTest, StartsWithThePrinterTilesDisabledAndTheLogPathSet) {
    const INT_PTR nResult = RunLauncher({
        Check([&] {
            for (int nId : kPrinterTiles)
                ExpectTile(m_dlg, nId, false);
            for (int nId : {IDC_PORT_SETUP, IDC_NET_CONFIG, IDC_EXIT, IDC_CUSTOM_CHIME})
                ExpectTile(m_dlg, nId, true);
            EXPECT_EQ(WindowText(m_dlg.m_hWnd), "VOREX&MAVRO Tool");
            EXPECT_EQ(std::string(TheConnectionSettings().logPath), CurrentDirectory() + "\\Log.ini");
            EXPECT_EQ(TheConnectionSettings().connected, 0);
            EXPECT_TRUE(m_dlg.GetExStyle() & WS_EX_APPWINDOW);
            EXPECT_FALSE(m_dlg.GetStyle() & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_MAXIMIZEBOX));
        }),
        Exit(),
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_TRUE(m_script.Journal().empty()) << "no module is called without a click";
}

// The enabling rule over sequences of configuring results.
struct EnablingCase {
    const char* name;
    std::vector<std::pair<int, int>> calls;  // configuring tile, connected it returns
    bool bPrinterTilesEnabled;
    bool bChimeEnabled;
};

class EnablingRuleTest : public LauncherFixture, public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(EnablingRuleTest, FollowsTheLastConfiguringResult) {
    const EnablingCase& c = GetParam();
    std::vector<UiScript::Step> steps;
    for (const auto& [nTile, nConnected] : c.calls) {
        m_script.AddReply("connected=" + std::to_string(nConnected));
        steps.push_back(Click(nTile));
    }
    steps.push_back(Check([&] {
        for (int nId : kPrinterTiles)
            ExpectTile(m_dlg, nId, c.bPrinterTilesEnabled);
        ExpectTile(m_dlg, IDC_CUSTOM_CHIME, c.bChimeEnabled);
        for (int nId : {IDC_PORT_SETUP, IDC_NET_CONFIG, IDC_EXIT})
            ExpectTile(m_dlg, nId, true);
    }));
    steps.push_back(Exit());
    RunLauncher(std::move(steps));
    EXPECT_EQ(m_script.Journal().size(), c.calls.size());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, EnablingRuleTest,
    ::testing::Values(EnablingCase{"PortConnects", {{IDC_PORT_SETUP, 1}}, true, true},
                      EnablingCase{"NetConnects", {{IDC_NET_CONFIG, 1}}, true, true},
                      EnablingCase{"ConnectedThenLost", {{IDC_PORT_SETUP, 1}, {IDC_NET_CONFIG, 0}}, false, false},
                      EnablingCase{"ChimeStaysDisabled",
                                   {{IDC_PORT_SETUP, 1}, {IDC_NET_CONFIG, 0}, {IDC_PORT_SETUP, 1}},
                                   true,
                                   false},
                      EnablingCase{"TwoIsNotConnected", {{IDC_PORT_SETUP, 2}}, false, false},
                      EnablingCase{"ZeroFromTheStart", {{IDC_NET_CONFIG, 0}}, false, false}),
    [](const ::testing::TestParamInfo<EnablingCase>& info) { return std::string(info.param.name); });

TEST_F(LauncherWindowTest, DisabledTilesCallNoModule) {
    RunLauncher({Click(IDC_LOGO_SETUP), Click(IDC_USER_SETUP), Click(IDC_FW_DOWNLOAD), Click(IDC_SAMPLE_PRINT),
                 Exit()});
    EXPECT_TRUE(m_script.Journal().empty());
}

// Every module gets, byte for byte, what the last configuring module returned.
TEST_F(LauncherWindowTest, ModulesReceiveTheRecordTheLastConfiguringModuleReturned) {
    unsigned char first[41], second[41];
    for (int i = 0; i < 41; ++i) {
        first[i] = static_cast<unsigned char>(i * 5 + 3);
        second[i] = static_cast<unsigned char>(0xF0 - i);
    }
    first[40] = second[40] = 1;
    m_script.AddReply(HexOf(first) + "|X:\\First\\Log.ini");
    m_script.AddReply(HexOf(second) + "|Y:\\Second.log");

    std::string strInitialPath;
    RunLauncher({
        Check([&] { strInitialPath = TheConnectionSettings().logPath.GetString(); }),
        Click(IDC_PORT_SETUP),
        Click(IDC_LOGO_SETUP), Click(IDC_USER_SETUP), Click(IDC_FW_DOWNLOAD), Click(IDC_SAMPLE_PRINT),
        Click(IDC_NET_CONFIG),
        Click(IDC_SAMPLE_PRINT), Click(IDC_LOGO_SETUP),
        Exit(),
    });

    const std::vector<JournalEntry> journal = m_script.Journal();
    const std::vector<JournalEntry> expected = {
        {"Channel Picker", std::string(82, '0'), strInitialPath},
        {"Bitmap Store", HexOf(first), "X:\\First\\Log.ini"},
        {"Preference Editor", HexOf(first), "X:\\First\\Log.ini"},
        {"Flash Loader", HexOf(first), "X:\\First\\Log.ini"},
        {"Proof Page", HexOf(first), "X:\\First\\Log.ini"},
        {"LanPanel", HexOf(first), "X:\\First\\Log.ini"},
        {"Proof Page", HexOf(second), "Y:\\Second.log"},
        {"Bitmap Store", HexOf(second), "Y:\\Second.log"},
    };
    ASSERT_EQ(journal.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i));
        EXPECT_EQ(journal[i].module, expected[i].module);
        EXPECT_EQ(journal[i].hex, expected[i].hex);
        EXPECT_EQ(journal[i].logPath, expected[i].logPath);
    }
}

// The log path from the directory the launcher starts in.
struct LogPathCase {
    const char* name;
    std::string directory;  // made and entered before the window starts
    std::string expected;   // empty: "<directory>\Log.ini"
};

std::string TempFolder() {
    char szTemp[MAX_PATH];
    const DWORD n = ::GetTempPathA(MAX_PATH, szTemp);
    return std::string(szTemp, n > 0 && szTemp[n - 1] == '\\' ? n - 1 : n);
}

// A directory whose path needs more than 255 characters (and still fits the
// 259 that the system lets a current directory have).
std::string DeepFolder() {
    std::string path = TempFolder();
    while (path.size() + 41 < 258)
        path += "\\" + std::string(40, 'd');
    return path + "\\" + std::string(257 - path.size(), 'e');
}

class LogPathTest : public LauncherFixture, public ::testing::WithParamInterface<LogPathCase> {
protected:
    void SetUp() override {
        LauncherFixture::SetUp();
        m_strOld = CurrentDirectory();
        const std::string& dir = GetParam().directory;
        for (size_t i = dir.find('\\', 3); i != std::string::npos; i = dir.find('\\', i + 1))
            ::CreateDirectoryA(dir.substr(0, i).c_str(), nullptr);
        ::CreateDirectoryA(dir.c_str(), nullptr);
        ASSERT_TRUE(::SetCurrentDirectoryA(dir.c_str())) << dir;
    }
    void TearDown() override { ::SetCurrentDirectoryA(m_strOld.c_str()); }

    std::string m_strOld;
};

TEST_P(LogPathTest, IsTheStartDirectoryWithLogIni) {
    const LogPathCase& c = GetParam();
    std::string strLogPath;
    RunLauncher({Check([&] { strLogPath = TheConnectionSettings().logPath.GetString(); }), Exit()});
    EXPECT_EQ(strLogPath, c.expected.empty() ? c.directory + "\\Log.ini" : c.expected);
}

INSTANTIATE_TEST_SUITE_P(Directories, LogPathTest,
                         ::testing::Values(LogPathCase{"Normal", TempFolder(), ""},
                                           LogPathCase{"DriveRoot", "C:\\", "C:\\\\Log.ini"},
                                           LogPathCase{"TooLong", DeepFolder(), "\\Log.ini"}),
                         [](const ::testing::TestParamInfo<LogPathCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(LauncherWindowTest, AnswersCaptionForEveryPoint) {
    RunLauncher({
        Check([&] {
            CRect rc;
            m_dlg.GetWindowRect(rc);
            for (POINT pt : {POINT{rc.left, rc.top}, POINT{rc.left + 5, rc.top + 200}, POINT{rc.right - 1, rc.bottom - 1},
                             POINT{-5000, -5000}})
                EXPECT_EQ(m_dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTCAPTION);
        }),
        Exit(),
    });
}

// The whole background is a caption: dragging it moves the window, while a
// drag that starts on a tile leaves the window where it is.
TEST_F(LauncherWindowTest, DraggingTheBackgroundMovesTheWindow) {
    CRect rcStart, rcAfterBackground, rcAfterTile;
    RunLauncher({
        Check([&] {
            m_dlg.GetWindowRect(rcStart);
            DragFrom({rcStart.left + 4, rcStart.top + 4}, 30, 20);
        }),
        [&] {
            m_dlg.GetWindowRect(rcAfterBackground);
            return rcAfterBackground != rcStart;
        },
        Check([&] {
            CRect rcTile;
            ::GetWindowRect(m_dlg.GetDlgItemHandle(IDC_NET_CONFIG), rcTile);
            DragFrom({rcTile.left + 5, rcTile.top + 5}, 40, 0);
        }),
        [&] { return ::GetCapture() == nullptr && !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000); },
        Check([&] { m_dlg.GetWindowRect(rcAfterTile); }),
        Exit(),
    });
    EXPECT_EQ(rcAfterBackground.left - rcStart.left, 30);
    EXPECT_EQ(rcAfterBackground.top - rcStart.top, 20);
    EXPECT_EQ(rcAfterTile, rcAfterBackground);
}

TEST_F(LauncherWindowTest, SystemMenuEndsWithASeparatorAndTheAboutItem) {
    RunLauncher({
        Check([&] {
            HMENU hMenu = ::GetSystemMenu(m_dlg.m_hWnd, FALSE);
            ASSERT_NE(hMenu, nullptr);
            const int nCount = ::GetMenuItemCount(hMenu);
            ASSERT_GE(nCount, 3);
            EXPECT_EQ(::GetMenuState(hMenu, nCount - 2, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
            EXPECT_EQ(::GetMenuItemID(hMenu, nCount - 1), 16u);
            wchar_t szText[64] = {};
            ::GetMenuStringW(hMenu, nCount - 1, szText, 64, MF_BYPOSITION);
            EXPECT_STREQ(szText, L"VOREX-100 Set \xC815\xBCF4(&A)...");
        }),
        Exit(),
    });
}

BOOL CALLBACK MatchAboutBox(HWND hWnd, LPARAM lParam) {
    const std::string strVersion = WindowText(::GetDlgItem(hWnd, IDC_ABOUT_VERSION));
    if (::IsWindowVisible(hWnd) && strVersion.rfind("VOREX / MAVRO", 0) == 0) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindAboutBox() {
    HWND hFound = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchAboutBox, reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

TEST_F(LauncherWindowTest, AboutCommandsOpenTheAboutBox) {
    int nOpened = 0;
    std::vector<UiScript::Step> steps;
    auto openAndClose = [&](std::function<void()> trigger) {
        steps.push_back([trigger] {
            trigger();
            return true;
        });
        steps.push_back([&] {
            HWND hAbout = FindAboutBox();
            if (!hAbout)
                return false;
            EXPECT_FALSE(m_dlg.IsWindowEnabled()) << "the launcher waits while the About box is open";
            ++nOpened;
            ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
            return true;
        });
        steps.push_back([&] { return FindAboutBox() == nullptr && m_dlg.IsWindowEnabled(); });
    };
    for (WPARAM nId : {16, 17, 31})
        openAndClose([this, nId] { m_dlg.PostMessage(WM_SYSCOMMAND, nId, 0); });
    openAndClose([this] { ClickAt(m_dlg.GetDlgItemHandle(IDC_CAPTION_HELP)); });
    // Not About commands: the default processing ignores 32 and runs the
    // system's move loop for SC_MOVE, which Escape ends.
    steps.push_back([this] {
        m_dlg.SendMessage(WM_SYSCOMMAND, 32, 0);
        EXPECT_EQ(FindAboutBox(), nullptr);
        m_dlg.PostMessage(WM_SYSCOMMAND, SC_MOVE, 0);
        return true;
    });
    bool bMoveLoop = false;
    steps.push_back([&] {
        GUITHREADINFO info{sizeof info};
        ::GetGUIThreadInfo(0, &info);
        if (!(info.flags & GUI_INMOVESIZE))
            return false;
        bMoveLoop = true;
        EXPECT_EQ(FindAboutBox(), nullptr);
        PressKey(VK_ESCAPE);
        return true;
    });
    steps.push_back([&] {
        GUITHREADINFO info{sizeof info};
        ::GetGUIThreadInfo(0, &info);
        return !(info.flags & GUI_INMOVESIZE);
    });
    steps.push_back(Exit());
    EXPECT_EQ(RunLauncher(std::move(steps)), IDOK);
    EXPECT_EQ(nOpened, 4);
    EXPECT_TRUE(bMoveLoop);
}

class EndingTest : public LauncherFixture, public ::testing::WithParamInterface<WayOut> {};

TEST_P(EndingTest, EndsTheDialogWithItsResult) {
    EXPECT_EQ(RunLauncher({[&] {
                  GetParam().leave(m_dlg.m_hWnd);
                  return true;
              }}),
              GetParam().nDialogResult);
}

INSTANTIATE_TEST_SUITE_P(WaysOut, EndingTest, ::testing::ValuesIn(kWaysOut), &WayOutName);

TEST_F(LauncherWindowTest, MinimiseButtonMinimises) {
    RunLauncher({
        Click(IDC_CAPTION_MINIMIZE),
        [&] { return m_dlg.IsIconic() != FALSE; },
        [&] {
            m_dlg.ShowWindow(SW_RESTORE);
            return true;
        },
        Exit(),
    });
}

TEST_F(LauncherWindowTest, CustomChimeOnlyFindsTheToneDesigner) {
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string expected = szExe;
    expected = expected.substr(0, expected.rfind('\\')) + "\\ChimeStudio\\Chime Studio.exe";
    EXPECT_EQ(std::string(CVOREX100SetDlg::ToneDesignerPath()), expected);

    const std::string strBefore = HexOf(reinterpret_cast<const unsigned char*>(&TheConnectionSettings()));
    RunLauncher({
        Click(IDC_CUSTOM_CHIME),
        Check([&] {
            EXPECT_EQ(::GetForegroundWindow(), m_dlg.m_hWnd) << "no other window came up";
            for (int nId : kPrinterTiles)
                ExpectTile(m_dlg, nId, false);
            ExpectTile(m_dlg, IDC_CUSTOM_CHIME, true);
        }),
        Exit(),
    });
    EXPECT_TRUE(m_script.Journal().empty());
}

}  // namespace
