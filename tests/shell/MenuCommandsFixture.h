#pragma once
// The game program's application in this process with a saved fixture game
// loaded (three companies, company 0 human and at the turn position), a
// profile of its own, and hooks that answer the stand-in dialogs and the
// report box and record what the desktop was asked to open.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/MyMessageDlg.h"
#include "dialogs/StandInDialog.h"
#include "fakes/OrderGameFixture.h"
#include "fakes/TempFolder.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/Messages.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Styles.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"
#include "views/MapDrawWnd.h"

class MenuCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CAutoAnswer::Set(true);
        setenv("XDG_CONFIG_HOME", config.Folder().c_str(), 1);
        CDesktop::SetLaunchHook([this](const std::string& program,
                                       const std::vector<std::string>& args, const std::string&) {
            opened.push_back(program + " " + (args.empty() ? "" : args.front()));
            return true;
        });
        CMyMessageDlg::SetModalHook([this](CMyMessageDlg& box) {
            std::string text;
            for (int line = 0; line < box.GetTextWnd().GetLineCount(); ++line) {
                text += box.GetTextWnd().GetLineText(line) + "\n";
            }
            reports.push_back(text);
            return IDOK;
        });
        CStandInDialog::SetModalHook([this](CStandInDialog& dialog) {
            dialogs.push_back(dialog.GetCaption());
            return answer ? answer(dialog) : IDCANCEL;
        });
    }
    void TearDown() override {
        app.reset();
        CStandInDialog::SetModalHook(nullptr);
        CMyMessageDlg::SetModalHook(nullptr);
        CDesktop::SetLaunchHook(nullptr);
        CKeyState::Clear();
        CAutoAnswer::Reset();
        CMainFrame::SetWebFolder("");
        CMessageLoop::Reset();
    }

    // The application with the fixture game loaded, input on.
    void StartWithGame() {
        const std::vector<uint8_t> bytes = MakeOrderGameBytes(config.Folder() + "data/");
        ASSERT_FALSE(bytes.empty());
        gamePath = config.Folder() + "game.mqd";
        std::ofstream(gamePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        app = std::make_unique<CTarvoApp>();
        ASSERT_EQ(app->InitInstance({}), 1);
        frame = app->GetMainFrame();
        ASSERT_NE(frame, nullptr);
        CMessageLoop::PumpPending();
        ASSERT_TRUE(app->OpenDocumentFile(gamePath));
        frame->RefreshAfterOpen();
        frame->RebuildMap();
        doc = app->GetDocument();
        doc->ResetTurnPosition();
        doc->SetTurnOrderEntry(0, 0);
        frame->EnableInput(1);
    }
    // The application with a new game of the program folder's data files:
    // company 0 human, the others computer companies, input on.
    void StartWithNewGame(int companies = 4) {
        app = std::make_unique<CTarvoApp>();
        ASSERT_EQ(app->InitInstance({}), 1);
        frame = app->GetMainFrame();
        ASSERT_NE(frame, nullptr);
        CMessageLoop::PumpPending();
        doc = app->GetDocument();
        doc->SetGameYears(1);
        doc->SetEnterpriseCount(companies);
        ASSERT_EQ(doc->PrepareNewGame(""), 1);
        ASSERT_EQ(doc->SetPlayerCount(1, 1), 1);
        Own().SetName("Harbour Lights");
        Own().SetPresidentName("Player");
        Own().SetColor(0);
        ASSERT_EQ(doc->SetupEnterprises(), 1);
        doc->InitIssuedShares();
        // What the founding phase gives the player: a first director.
        HireDirector(0);
        frame->RefreshAfterOpen();
        const int home = Own().GetHomeArea();
        app->GetMainView()->ShowArea(home >= 0 ? home : 0);
        frame->RebuildMap();
        doc->ResetTurnPosition();
        doc->SetTurnOrderEntry(0, 0);
        frame->EnableInput(1);
    }
    // A person nobody employs joins company c as a director.
    void HireDirector(int c) {
        for (int p = 0; p < doc->GetDirectorTableSize(); ++p) {
            CPersonData& person = *doc->GetDirector(p);
            if (person.GetEmployerNo() != 0 || person.GetPresidentFlag()) continue;
            person.SetEmployer(c + 1);
            doc->GetEnterprise(c)->AddDirector(p);
            return;
        }
        ADD_FAILURE() << "no free person";
    }
    // The operations phase of company 0 at this seat.
    void OpenHumanTurn() { frame->EnableInput(1); }
    CMapDrawWnd& Map() { return app->GetMainView()->GetMapDrawWnd(); }
    CEnterprise& Own() { return *doc->GetEnterprise(0); }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }
    int CallsNamed(const std::string& name) {
        int n = 0;
        for (const auto& call : Map().GetCalls()) n += call.name == name ? 1 : 0;
        return n;
    }

    CTempFolder config;
    std::unique_ptr<CTarvoApp> app;
    CMainFrame* frame = nullptr;
    CVDoc* doc = nullptr;
    std::string gamePath;
    // What the desktop opened, the report texts and the stand-ins shown.
    std::vector<std::string> opened;
    std::vector<std::string> reports;
    std::vector<std::string> dialogs;
    // How the stand-in dialogs answer (Cancel when empty).
    std::function<int(CStandInDialog&)> answer;
};
