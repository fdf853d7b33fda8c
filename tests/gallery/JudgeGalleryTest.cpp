// The judgment screen and its windows, drawn in this process from the
// build's program folder and a fixture game scored step by step, left as
// PNG files in the gallery folder for a reviewer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "fakes/GalleryFolder.h"
#include "fakes/JudgmentFileFixture.h"
#include "fakes/TempFolder.h"
#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/DrawJudgeTextWnd.h"
#include "judge/EpDrawFrameWnd.h"
#include "judge/GraphBarWnd.h"
#include "judge/InfoMesWnd.h"
#include "judge/JudgeTextFrameWnd.h"
#include "judge/MainFrame.h"
#include "judge/PopupEpNameWnd.h"
#include "judge/ShowTotalPoint.h"
#include "judge/TopFrameWnd.h"
#include "model/services/Services.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/SystemMetrics.h"
#include "resources/JudgeIds.h"

namespace {

using namespace judge;
namespace fs = std::filesystem;

class JudgeGalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        if (const char* config = std::getenv("XDG_CONFIG_HOME")) savedConfig = config;
        setenv("XDG_CONFIG_HOME", (folder.Path() / "config").c_str(), 1);
        CProfile profile(CArboApp::kRegistryKey, CArboApp::kProfileName);
        // A 1280 x 800 main window.
        profile.WriteProfileString(CArboApp::kLayoutSection, CArboApp::kPlacementKey,
                                   "0,1,-1,-1,-1,-1,0,0,1280,800");
    }
    void TearDown() override {
        app.reset();
        CMessageLoop::Reset();
        CAutoAnswer::Reset();
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    }

    // Starts the judgment on a fixture game of `companies` companies with
    // varied figures.
    bool Start(int companies) {
        fs::create_directories(folder.Path() / "game");
        SJudgmentFileOptions options;
        options.companies = companies;
        options.map.maxCompanies = 12;
        CJudgmentFileFixture fixture(folder.Folder() + "game/", options);
        if (!fixture.ok()) return false;
        for (int c = 0; c < companies; ++c) {
            fixture.Company(c).SetFunds(250000 + 137000 * ((c * 5) % companies));
            fixture.Company(c).SetDebt(30000 * ((c * 5 + 2) % companies));
        }
        // Teams of the first league for the first companies, champions 0 and 1
        // times.
        for (int c = 0; c < std::min(2, companies); ++c) {
            fixture.Company(c).SetLeagueTeam(0, c);
            fixture.Doc().GetMap().GetProTeam(0, c).SetOwner(c);
            for (int t = 0; t < c; ++t) fixture.Company(c).IncChampionships(0);
        }
        // Five directors at work.
        {
            auto scopedDoc = ScopedDoc(&fixture.Doc());
            int hired = 0;
            for (int i = 0; i < fixture.Doc().GetDirectorTableSize() && hired < 5; ++i) {
                ::CPersonData* person = fixture.Doc().GetDirector(i);
                if (!person || person->GetEmployerNo() != 0) continue;
                person->SetEmployer(hired % companies + 1);
                ++hired;
            }
        }
        const std::string file = folder.Folder() + "judged.mqd";
        if (!fixture.Write(file)) return false;
        app = std::make_unique<CArboApp>();
        if (app->InitInstance({file}) != 1) return false;
        frame = app->GetMainFrame();
        view = app->GetView();
        doc = app->GetDocument();
        // The pictures are of steps set up by hand, not of the announcement.
        CMessageLoop::RemoveMessages(frame, CMainFrame::WM_START_ANNOUNCEMENT,
                                     CMainFrame::WM_START_ANNOUNCEMENT);
        CMessageLoop::PumpPending();
        return true;
    }
    // Judges up to `page`, counts the bars up and shows the rows' texts.
    void ScorePage(int page) {
        while (doc->GetStepCounter() <= page && doc->RunNextStep()) {
        }
        doc->SetCountUp(100);
        CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
        rows.UpdateAllBars();
        rows.SetTextShownAll(true);
        view->GetItemPane().SetItemFromPage(doc->GetPage());
        view->GetItemPane().Invalidate(TRUE);
    }
    void Announce(const std::string& line) {
        CDrawJudgeTextWnd& text = view->GetTopFrame().GetTextPane();
        text.AddText(line, 1, -1, true);
        text.Refresh();
    }
    // A picture of a plain bar is small; anything drawn is larger.
    void Save(CWnd& wnd, const std::string& name, uintmax_t leastBytes = 1000) {
        CMessageLoop::PumpPending();
        const fs::path png = GalleryFolder() / name;
        ASSERT_TRUE(wnd.SaveToPng(png.string())) << name;
        EXPECT_GT(fs::file_size(png), leastBytes) << name;
    }

    CTempFolder folder;
    std::string savedConfig;
    std::unique_ptr<CArboApp> app;
    CMainFrame* frame = nullptr;
    CArboView* view = nullptr;
    CArboDoc* doc = nullptr;
};

TEST_F(JudgeGalleryTest, ScreenPages) {
    ASSERT_TRUE(Start(6));
    // The prompt stays for the picture instead of pressing itself.
    CAutoAnswer::Set(false);
    ScorePage(0);
    Announce("The judgment begins.");
    Announce("First item: Funds. The company with the most funds wins.");
    view->ShowPrompt(true, "Next");
    Save(*frame, "screen-page0.png");
    view->ShowPrompt(false, nullptr);
    ScorePage(1);
    Announce("Second item: Debt. The less debt, the better.");
    Save(*frame, "screen-page1.png");
    Save(view->GetTopFrame(), "top-frame.png");
}

TEST_F(JudgeGalleryTest, ItemPages) {
    ASSERT_TRUE(Start(6));
    ScorePage(9);
    CJudgeTextFrameWnd& items = view->GetItemPane();
    struct Scene {
        const char* file;
        int mode;
        std::function<void()> set;
    };
    const std::vector<Scene> scenes = {
        {"items-list.png", 2, [&] { items.SetItemFromPage(5); }},
        {"items-directors.png", 3, [&] { items.SetRevealedDirectors(5); }},
        {"items-league.png", 4, [&] { items.SetLeaguePage(0, 1); }},
        {"items-years.png", 5, [&] { items.SetYearsKind(0, doc->GetPlayYears()); }},
    };
    // Yearly places that cross.
    for (int c = 0; c < doc->GetCompanyCount(); ++c) {
        std::vector<int>& ranks = doc->GetCompany(c)->YearRanks(0);
        for (size_t y = 0; y < ranks.size(); ++y) ranks[y] = static_cast<int>((c + 2 * y) % 6);
    }
    view->SetRatios(350, 200);
    for (const Scene& s : scenes) {
        SCOPED_TRACE(s.file);
        view->SetDisplayMode(s.mode, TRUE);
        s.set();
        items.Invalidate(TRUE);
        Save(items, s.file);
    }
    // Charts for three of the six companies, scrolled down by two.
    view->SetDisplayMode(5, TRUE);
    items.MoveWindow(0, 0, 640, 3 * (3 * app->GetCharSize().cy + 8) + 4, TRUE);
    items.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    items.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    Save(items, "items-years-scrolled.png");
}

TEST_F(JudgeGalleryTest, SingleCompanyYears) {
    ASSERT_TRUE(Start(1));
    ScorePage(12);
    view->SetRatios(350, 200);
    view->SetDisplayMode(5, TRUE);
    doc->GetCompany(0)->YearRanks(1).assign(static_cast<size_t>(doc->GetPlayYears()), 0);
    view->GetItemPane().SetYearsKind(1, doc->GetPlayYears());
    Save(view->GetItemPane(), "items-years-single.png");
}

TEST_F(JudgeGalleryTest, TextPane) {
    ASSERT_TRUE(Start(3));
    CAutoAnswer::Set(false);
    CDrawJudgeTextWnd& text = view->GetTopFrame().GetTextPane();
    text.ClearText();
    text.AddText("Small print in font 0", 0, -1, true);
    text.AddText("The text font 1 with a mark:", 1, -1, true);
    text.AddText(doc->GetCompany(0)->GetName(), 1, doc->GetCompany(0)->Record().GetColor(), false,
                 doc->GetCompany(0)->Record().GetColor());
    text.AddText("Bold font 2 ", 2, 20, true);
    text.AddText("and bold font 3", 3, 17, false);
    text.AddText("The winner is announced", 3, 16, true);
    text.CenterLastLine();
    text.MoveWindow(0, 0, 700, 220, TRUE);
    text.Refresh();
    text.ShowPrompt(true, "Next");
    Save(text, "text-pane.png");
    text.SendMessage(WM_TIMER, CDrawJudgeTextWnd::kBlinkTimer, 0);
    Save(text, "text-pane-blink.png");
}

TEST_F(JudgeGalleryTest, RowsScroll) {
    ASSERT_TRUE(Start(12));
    ScorePage(0);
    CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
    rows.MoveWindow(0, 0, 640, 8 * rows.GetRowHeight(), TRUE);
    Save(rows, "rows-scroll.png");
    rows.ShowOverlay();
    Save(rows, "rows-overlay.png", 200);
}

// Twelve companies (more than the authored map allows, as many as a map of
// the file format may): the table with the strip shown, scrolled right so
// that the last companies are in view.
TEST_F(JudgeGalleryTest, RankingStripWithTwelveCompanies) {
    ASSERT_TRUE(Start(12));
    ASSERT_EQ(doc->GetCompanyCount(), 12);
    while (doc->RunNextStep()) {
    }
    CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
    rows.ShowOverlay();
    CShowTotalPoint& table = rows.GetOverlay();
    table.SendMessage(WM_COMMAND, CShowTotalPoint::kButtonId, 0);
    const CShowTotalPoint::SMeasures m = table.Measures();
    rows.MoveWindow(0, 0, m.Left() + 5 * m.columnWidth + 30, m.Head() + 10 * m.rowHeight, TRUE);
    table.SetFirstColumn(7);
    Save(table, "ranking-strip.png");
}

TEST_F(JudgeGalleryTest, SmallWindows) {
    ASSERT_TRUE(Start(3));
    struct Bar {
        const char* file;
        int minimum, maximum, value;
    };
    for (const Bar& b : {Bar{"bar-right.png", 0, 1000, 650}, Bar{"bar-left.png", -1000, 0, -650}}) {
        CGraphBarWnd bar;
        ASSERT_TRUE(bar.CreateEx(WS_EX_CLIENTEDGE, CArboApp::kNormalClass, "", WS_CHILD | WS_VISIBLE,
                                 CRect(0, 0, 300, 24), frame, 0));
        bar.SetRange(b.minimum, b.maximum);
        bar.SetValue(b.value);
        bar.SetColors(0x0000C0, GetSysColor(COLOR_BTNFACE));
        Save(bar, b.file, 100);
    }
    CInfoMesWnd log;
    ASSERT_TRUE(log.CreateEx(WS_EX_CLIENTEDGE, CArboApp::kFaceClass, "", WS_CHILD | WS_VISIBLE,
                             CRect(0, 0, 400, 5 * app->GetCharSize().cy), frame, 0));
    for (int i = 0; i < 8; ++i) {
        const int colour = i % 4 == 3 ? -1 : 16 + i;
        log.AddMessage("Message " + std::to_string(i + 1) + " of the log", false, colour);
    }
    Save(log, "message-log.png");
    CPopupEpNameWnd name;
    ASSERT_TRUE(name.CreateEx(0, CArboApp::kFaceClass, "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                              CRect(0, 0, 220, 2 * app->GetCharSize().cy), frame, 0));
    name.SetText(doc->GetCompany(1)->GetName());
    Save(name, "name-popup.png", 200);
    CDialog about(judge_ids::kAboutDialog, frame);
    ASSERT_TRUE(about.Create(judge_ids::kAboutDialog, frame));
    about.ShowWindow(SW_SHOW);
    Save(about, "about-box.png");
    about.DestroyWindow();
}

}  // namespace
