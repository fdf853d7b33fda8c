#pragma once
// The bench of the dialog tests and the dialog gallery: a game document with
// the recording frame service (the map window's marks and area picks) and
// network seam (the records a dialog's command sends), the
// building blocks' host with the program folder's palette, strips and
// fonts, the recording application and frame of the dialogs, the game's
// templates and window classes, and a clean loop at time scale 0. Scripts
// answer the dialogs through the init hook (see fakes/DialogScript.h).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/MyMessageDlg.h"
#include "fakes/DialogScript.h"
#include "fakes/FakeBlockHost.h"
#include "fakes/FakeDialogHost.h"
#include "fakes/GameInProgress.h"
#include "game/GameFixture.h"
#include "platform/core/Clock.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/DialogTemplateRegistry.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"
#include "resources/MercavoResources.h"

class DialogBench : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CAutoAnswer::Set(false);
        mercavo_resources::Register();
        for (const char* name : {"VELM_NormalWindow", "VELMO_3DFaceWindow", "VELMO_NoBackWindow"})
            if (!CWndClassRegistry::IsRegistered(name))
                CWndClassRegistry::Register({name, 0, nullptr, COLOR_3DFACE + 1});
        ASSERT_TRUE(blocks.loaded);
        blocks.doc = &doc;
        host.doc = &doc;
        beepsAtStart = GetMessageBeepCount();
    }
    void TearDown() override {
        for (int id : testTemplates) CDialogTemplateRegistry::Unregister(id);
        CDialog::SetInitHook(nullptr);
        CMyMessageDlg::SetModalHook(nullptr);
        CMessageLoop::Reset();
        CAutoAnswer::Reset();
        GameTest::TearDown();
    }

    // A template of the test's own, known until the test ends.
    void RegisterTemplate(const DIALOGTEMPLATE& dialog) {
        CDialogTemplateRegistry::Register(&dialog);
        testTemplates.push_back(dialog.id);
    }
    // A small game of four companies, the first `humans` played by people.
    void SmallGame(int humans) { NewGame(4, humans); }
    // The game in progress (see fakes/GameInProgress.h); skips the test
    // when the program folder cannot make it.
    void GameInProgress() {
        std::string reason;
        if (!LoadGameInProgress(doc, folder, reason)) GTEST_SKIP() << reason;
    }

    // Runs the script for every dialog once it has opened.
    void OnOpen(std::function<void(CDialog&)> script) {
        CDialog::SetInitHook([script](CDialog& dialog, int) { script(dialog); });
    }
    // Adds a run in the first message font: it starts its line, or
    // continues it when the line has runs already.
    void AddLine(CMyMessageDlg& box, int line, const std::string& text) {
        AddRun(box, line, text, blocks.fonts.GetMessageFont(), CDrawTextWnd::kNoMark);
    }
    // The same in the bold font, with the company's colour mark when given.
    void AddBold(CMyMessageDlg& box, int line, const std::string& text,
                 int mark = CDrawTextWnd::kNoMark) {
        AddRun(box, line, text, blocks.fonts.GetMessageFont2(), mark);
    }
    void AddRun(CMyMessageDlg& box, int line, const std::string& text, CFont* font, int mark) {
        bool started = false;
        for (const CDrawTextWnd::SRun& run : box.GetTextWnd().GetRuns())
            started = started || run.pos.y == line;
        box.GetTextWnd().AddText(CPoint(started ? -1 : 0, line), text, GetSysColor(COLOR_BTNTEXT),
                                 font, mark, 0);
    }
    int Beeps() const { return GetMessageBeepCount() - beepsAtStart; }

    CFakeBlockHost blocks;
    CFakeDialogHost host;
    CFakeNetService net;
    CScopedService<INetService> scopedNet = ScopedNet(&net);
    int beepsAtStart = 0;
    std::vector<int> testTemplates;
};
