// Windows, message maps and modal dialogs of the framework, on real windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Static.h"
#include "framework/WinApp.h"
#include "tests/support/UiScript.h"
#include "tests/support/UserInput.h"

namespace {

std::vector<std::string> g_calls;

class RecordingButton : public CButton {
public:
    void PreSubclassWindow() override { g_calls.push_back("PreSubclassWindow"); }
    void DrawItem(LPDRAWITEMSTRUCT pDrawItem) override {
        g_calls.push_back("DrawItem " + std::to_string(pDrawItem->CtlID));
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_LBUTTONDOWN)
            g_calls.push_back("PreTranslate down");
        return FALSE;
    }
};

class BaseDialog : public CDialog {
public:
    explicit BaseDialog(UINT nId) : CDialog(nId) {}
    const MessageMap* GetMessageMap() const override {
        static const MessageEntry entries[] = {
            OnMessage<&BaseDialog::OnUser>(WM_USER),
            OnMessage<&BaseDialog::OnUserPlusOne>(WM_USER + 1),
            OnCommand<&BaseDialog::OnPlain>(1002),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }

protected:
    LRESULT OnUser(WPARAM, LPARAM) { return 1; }
    LRESULT OnUserPlusOne(WPARAM w, LPARAM l) { return w + l; }
    void OnPlain() { g_calls.push_back("base OnPlain"); }
};

class TestDialog : public BaseDialog {
public:
    TestDialog() : BaseDialog(100) {}
    RecordingButton m_btnDrawn;
    CButton m_btnPlain;
    CStatic m_label;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 1001, m_btnDrawn);
        DDX_Control(pDX, 1002, m_btnPlain);
        DDX_Control(pDX, 1003, m_label);
        g_calls.push_back(pDX->m_bSaveAndValidate ? "exchange save" : "exchange load");
    }
    const MessageMap* GetMessageMap() const override {
        static const MessageEntry entries[] = {
            OnMessage<&TestDialog::OnUser>(WM_USER),  // hides the base's handler
        };
        static const MessageMap map{BaseDialog::GetMessageMap(), entries};
        return &map;
    }

protected:
    LRESULT OnUser(WPARAM, LPARAM) { return 2; }
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { g_calls.clear(); }

    INT_PTR Run(CDialog& dlg, std::vector<UiScript::Step> steps) {
        UiScript ui(std::move(steps));
        const INT_PTR nResult = dlg.DoModal();
        EXPECT_TRUE(ui.Finished());
        return nResult;
    }

    static bool Called(const std::string& call) {
        for (const std::string& c : g_calls)
            if (c == call)
                return true;
        return false;
    }
};

TEST_F(DialogTest, MessageMapsChainFromTheClassUp) {
    TestDialog dlg;
    Run(dlg, {[&] {
             EXPECT_EQ(dlg.SendMessage(WM_USER), 2) << "the derived handler wins";
             EXPECT_EQ(dlg.SendMessage(WM_USER + 1, 3, 4), 7) << "the base handler serves the rest";
             EXPECT_EQ(dlg.SendMessage(WM_GETDLGCODE), ::DefDlgProcA(dlg.m_hWnd, WM_GETDLGCODE, 0, 0))
                 << "unhandled messages get the window's own procedure";
             dlg.EndDialog(42);
             return true;
         }});
}

TEST_F(DialogTest, DataExchangeAttachesControlsOnceAndOkSaves) {
    TestDialog dlg;
    const INT_PTR nResult = Run(dlg, {[&] {
                                          EXPECT_EQ(CWnd::FromHandlePermanent(dlg.GetDlgItemHandle(1001)),
                                                    &dlg.m_btnDrawn);
                                          EXPECT_EQ(dlg.m_label.m_hWnd, dlg.GetDlgItemHandle(1003));
                                          return true;
                                      },
                                      [&] {
                                          dlg.PostMessage(WM_COMMAND, IDOK, 0);
                                          return true;
                                      }});
    EXPECT_EQ(nResult, IDOK);
    const std::vector<std::string> expected = {"PreSubclassWindow", "exchange load", "exchange save"};
    std::vector<std::string> exchanges;
    for (const std::string& c : g_calls)
        if (c != "PreTranslate down" && c.rfind("DrawItem", 0) != 0)
            exchanges.push_back(c);
    EXPECT_EQ(exchanges, expected);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_btnDrawn.m_hWnd, nullptr) << "controls are detached with their windows";
}

TEST_F(DialogTest, OwnerDrawingIsReflectedToTheControl) {
    TestDialog dlg;
    Run(dlg, {[&] {
             dlg.m_btnDrawn.Invalidate();
             dlg.m_btnDrawn.UpdateWindow();
             return Called("DrawItem 1001");
         },
         [&] {
             dlg.EndDialog(IDCANCEL);
             return true;
         }});
}

TEST_F(DialogTest, ControlsSeeInputBeforeItIsDispatched) {
    TestDialog dlg;
    Run(dlg, {[&] { return ClickAt(dlg.m_btnDrawn.m_hWnd); },
              [&] { return Called("PreTranslate down"); },
              [&] { return ClickAt(dlg.m_btnPlain.m_hWnd); },
              [&] { return Called("base OnPlain"); },
              [&] {
                  dlg.EndDialog(IDCANCEL);
                  return true;
              }});
}

TEST_F(DialogTest, EscapeCancelsAndAHiddenTemplateIsShown) {
    CDialog hidden(101);
    EXPECT_EQ(Run(hidden, {[&] { return hidden.IsWindowVisible() != FALSE; },
                           [&] {
                               ::SetForegroundWindow(hidden.m_hWnd);
                               PressKey(VK_ESCAPE);
                               return true;
                           }}),
              IDCANCEL);
}

TEST_F(DialogTest, AMissingTemplateFails) {
    CDialog missing(999);
    EXPECT_EQ(missing.DoModal(), -1);
}

// Commands that no window takes reach the application object.
class CommandApp : public CWinApp {
public:
    const MessageMap* GetMessageMap() const override {
        static const MessageEntry entries[] = {OnCommand<&CommandApp::OnAppCommand>(2000)};
        static const MessageMap map{CWinApp::GetMessageMap(), entries};
        return &map;
    }
    void OnAppCommand() { g_calls.push_back("app command"); }
};

TEST_F(DialogTest, UnhandledCommandsGoToTheApplication) {
    CommandApp app;
    TestDialog dlg;
    Run(dlg, {[&] {
        dlg.SendMessage(WM_COMMAND, 2000, 0);
        dlg.EndDialog(IDCANCEL);
        return true;
    }});
    EXPECT_TRUE(Called("app command"));
}

}  // namespace
