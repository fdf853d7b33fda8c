#pragma once
// The main frame of this process over a fixture game of three companies,
// opened without the start sequence, seated in a network game on request;
// the notice of the operations phase is read as it was filled.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fakes/OrderGameFixture.h"
#include "fakes/TempFolder.h"
#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/CmdSet.h"
#include "model/Enterprise.h"
#include "model/OrderType.h"
#include "platform/core/Clock.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Messages.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"

inline constexpr int kOwnCompany = 0;
inline constexpr int kOtherCompany = 1;
inline constexpr int kOwnId = 4;
inline constexpr int kOtherId = 6;

inline CCmdSet Order(int type, std::vector<int> kinds, std::vector<int> params,
              std::vector<CCellPoint> points, std::vector<int> values) {
    CCmdSet order;
    order.Init(type, 0);
    for (int k : kinds) order.AddKind(k);
    for (int p : params) order.AddParam(p);
    for (const CCellPoint& t : points) order.AddPoint(t);
    for (int v : values) order.AddValue(v);
    return order;
}

class NetPhaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        setenv("XDG_CONFIG_HOME", config.Folder().c_str(), 1);
        const std::vector<uint8_t> game =
            MakeOrderGameBytes(config.Folder() + "game/");
        ASSERT_FALSE(game.empty());
        app = std::make_unique<CTarvoApp>();
        ASSERT_EQ(app->InitInstance({}), 1);
        frame = app->GetMainFrame();
        ASSERT_NE(frame, nullptr);
        // The start sequence is not part of these tests: the window gets
        // its panes and the fixture game is opened directly.
        CMessageLoop::RemoveMessages(frame, CMainFrame::WM_START_GAME, CMainFrame::WM_START_GAME);
        ASSERT_EQ(app->GetMainView()->CreatePanes(), 1);
        doc = app->GetDocument();
        ASSERT_EQ(doc->LoadBytes(game), -1);
    }
    void TearDown() override {
        CMyMessageDlg::SetModalHook(nullptr);
        CAutoAnswer::Reset();
        app.reset();
        CMessageLoop::Reset();
    }
    // A network seat: this program plays company 0 (unless observer),
    // another player company 1.
    void Seat(bool host, bool observer = false) {
        CFrameState& state = frame->GetFrameState();
        state.SetNetworkRoles(1, host ? 1 : 0, observer ? 1 : 0);
        ownEntry = frame->AddNetPlayer(kOwnId, "Me", "", 0, "", observer ? 2 : 1, 1);
        otherEntry = frame->AddNetPlayer(kOtherId, "Other", "", 1, "", 1, 0);
        if (!observer) {
            frame->GetNetPlayers().SetNetPlayerCompany(ownEntry, kOwnCompany);
            Company(kOwnCompany).SetNetworkPlayerId(frame->GetNetPlayerId(ownEntry));
        }
        frame->GetNetPlayers().SetNetPlayerCompany(otherEntry, kOtherCompany);
        Company(kOtherCompany).SetNetworkPlayerId(frame->GetNetPlayerId(otherEntry));
        // Both companies are played by persons.
        Company(kOwnCompany).SetPresident(0);
        Company(kOtherCompany).SetPresident(0);
    }
    CEnterprise& Company(int c) { return *doc->GetEnterprise(c); }
    std::vector<std::string> Log() {
        std::vector<std::string> lines;
        for (const auto& line : app->GetMainView()->GetInfoWnd().GetLog().GetLines())
            lines.push_back(line.text);
        return lines;
    }
    std::string StatusText() { return frame->GetStatusBarWnd().GetPaneText(0); }
    bool Queued(UINT message, WPARAM wParam) {
        MSG msg{};
        return CMessageLoop::Peek(msg, frame, message, message, PM_NOREMOVE) &&
               msg.wParam == wParam;
    }
    // The notice of the operations phase, as the box was filled.
    struct SNotice {
        int shown = 0;
        std::string caption, line1, line2;
        int autoClose = 0;
        BOOL reshow = FALSE;
        int windowShownWhileOpen = -1;
    };
    void RecordNotice() {
        CMyMessageDlg::SetModalHook([this](CMyMessageDlg& box) {
            ++notice.shown;
            notice.caption = box.GetCaption();
            notice.line1 = box.GetTextWnd().GetLineText(1);
            notice.line2 = box.GetTextWnd().GetLineText(2);
            notice.autoClose = box.GetAutoClose();
            notice.reshow = box.GetReshowNetworkWindow();
            notice.windowShownWhileOpen = frame->IsNetworkWindowShown();
            return IDOK;
        });
    }

    CTempFolder config;
    std::unique_ptr<CTarvoApp> app;
    CMainFrame* frame = nullptr;
    CVDoc* doc = nullptr;
    int ownEntry = -1;
    int otherEntry = -1;
    SNotice notice;
};
