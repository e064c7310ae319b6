#include <gtest/gtest.h>

#include <string>

#include "app/VOREX100SetApp.h"
#include "framework/Wnd.h"
#include "app/resource.h"
#include "tests/app/WaysOut.h"
#include "tests/support/ModuleScript.h"
#include "tests/support/UserInput.h"
#include "tests/support/UiScript.h"

namespace {

// Counts GDI+'s start and stop, and can make the start fail.
struct GdiplusSpy {
    static inline int nStarts = 0;
    static inline int nStops = 0;
    static inline bool bFail = false;
    static inline ULONG_PTR stoppedToken = 0;

    static int WINAPI Startup(ULONG_PTR* pToken, const void* pInput, void* pOutput) {
        ++nStarts;
        if (bFail)
            return 18;  // GdiplusNotInitialized: any status but Ok
        return s_pfnRealStartup(pToken, pInput, pOutput);
    }
    static void WINAPI Shutdown(ULONG_PTR token) {
        ++nStops;
        stoppedToken = token;
        s_pfnRealShutdown(token);
    }
    static inline CVOREX100SetApp::GdiplusStartupFn s_pfnRealStartup = nullptr;
    static inline CVOREX100SetApp::GdiplusShutdownFn s_pfnRealShutdown = nullptr;
};

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        GdiplusSpy::s_pfnRealStartup = CVOREX100SetApp::s_pfnGdiplusStartup;
        GdiplusSpy::s_pfnRealShutdown = CVOREX100SetApp::s_pfnGdiplusShutdown;
        CVOREX100SetApp::s_pfnGdiplusStartup = &GdiplusSpy::Startup;
        CVOREX100SetApp::s_pfnGdiplusShutdown = &GdiplusSpy::Shutdown;
        GdiplusSpy::nStarts = GdiplusSpy::nStops = 0;
        GdiplusSpy::bFail = false;
        GdiplusSpy::stoppedToken = 0xDEAD;
    }
    void TearDown() override {
        CVOREX100SetApp::s_pfnGdiplusStartup = GdiplusSpy::s_pfnRealStartup;
        CVOREX100SetApp::s_pfnGdiplusShutdown = GdiplusSpy::s_pfnRealShutdown;
    }

    // Runs the application the way the entry point does.
    int Run(std::vector<UiScript::Step> steps) {
        UiScript ui(std::move(steps));
        const int nExitCode = RunApplication(&m_app, ::GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        EXPECT_TRUE(ui.Finished());
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        return nExitCode;
    }

    static HWND Launcher() { return FindThreadWindow("VOREX&MAVRO Tool"); }

    ModuleScript m_script;
    CVOREX100SetApp m_app;
};

// However the window is left, the program ends the same way.
class ApplicationEndTest : public ApplicationTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(ApplicationEndTest, EndsWithGdiplusShutDownOnce) {
    HWND hSeen = nullptr;
    const int nExitCode = Run({
        [&] { return (hSeen = Launcher()) != nullptr; },
        [&] {
            EXPECT_EQ(GetApp(), &m_app);
            EXPECT_EQ(m_app.m_pMainWnd->m_hWnd, hSeen);
            EXPECT_EQ(GdiplusSpy::nStarts, 1);
            EXPECT_EQ(GdiplusSpy::nStops, 0);
            GetParam().leave(hSeen);
            return true;
        },
    });
    EXPECT_EQ(nExitCode, 0);
    EXPECT_FALSE(::IsWindow(hSeen));
    EXPECT_EQ(GdiplusSpy::nStops, 1);
    EXPECT_EQ(GdiplusSpy::stoppedToken, m_app.m_gdiplusToken);
    EXPECT_NE(m_app.m_gdiplusToken, 0u);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(WaysOut, ApplicationEndTest, ::testing::ValuesIn(kWaysOut), &WayOutName);

TEST_F(ApplicationTest, FailedGdiplusStartShowsMainOnceAndTheWindowStillOpens) {
    GdiplusSpy::bFail = true;
    int nBoxes = 0;
    bool bWindowBeforeBox = false;
    Run({
        [&] {
            HWND hBox = FindMessageBox("main");
            if (!hBox)
                return false;
            ++nBoxes;
            bWindowBeforeBox = Launcher() != nullptr;
            ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
            return true;
        },
        [&] {
            if (FindMessageBox("main"))
                ++nBoxes;
            return Launcher() != nullptr;
        },
        [&] {
            ClickAt(::GetDlgItem(Launcher(), IDC_EXIT));
            return true;
        },
    });
    EXPECT_EQ(nBoxes, 1);
    EXPECT_FALSE(bWindowBeforeBox) << "the box comes before the window";
    EXPECT_EQ(GdiplusSpy::nStops, 1) << "shut down also after a failed start";
    EXPECT_EQ(GdiplusSpy::stoppedToken, 0u);
}

TEST_F(ApplicationTest, RegistryKeyAndRestartSupport) {
    Run({[&] { return Launcher() != nullptr; }, [&] { return ClickAt(::GetDlgItem(Launcher(), IDC_EXIT)); }});
    EXPECT_EQ(m_app.m_dwRestartManagerSupportFlags, 1u);
    // "로컬 응용 프로그램 마법사에서 생성된 응용 프로그램" in code page 949.
    const std::string expected =
        "\xB7\xCE\xC4\xC3 \xC0\xC0\xBF\xEB \xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5 \xB8\xB6\xB9\xFD\xBB\xE7\xBF\xA1\xBC\xAD "
        "\xBB\xFD\xBC\xBA\xB5\xC8 \xC0\xC0\xBF\xEB \xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5";
    EXPECT_EQ(std::string(m_app.m_strRegistryKey), expected);
}

}  // namespace
