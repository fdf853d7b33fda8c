// The judgment's map, results and ranking table on a game played by the
// simulator with the authored data, drawn in this process and left as PNG
// files in the gallery folder for a reviewer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "fakes/SimulatedGame.h"
#include "fakes/GalleryFolder.h"
#include "fakes/TempFolder.h"
#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/EpDrawFrameWnd.h"
#include "judge/MainFrame.h"
#include "judge/ShowTotalPoint.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/OptionData.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageLoop.h"

namespace {

using namespace judge;
namespace fs = std::filesystem;

class JudgeMapGalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        const char* home = std::getenv("MERCAVO_HOME");
        if (!home || !fs::exists(fs::path(home) / "simulate"))
            GTEST_SKIP() << "simulate is not built";
        bin = fs::path(home);
        if (const char* config = std::getenv("XDG_CONFIG_HOME")) savedConfig = config;
        setenv("XDG_CONFIG_HOME", (folder.Path() / "config").c_str(), 1);
        CProfile profile(CArboApp::kRegistryKey, CArboApp::kProfileName);
        profile.WriteProfileString(CArboApp::kLayoutSection, CArboApp::kPlacementKey,
                                   "0,1,-1,-1,-1,-1,0,0,1280,800");
    }
    void TearDown() override {
        app.reset();
        CProgramFolder::Override("");
        CMessageLoop::Reset();
        CAutoAnswer::Reset();
        if (!savedConfig.empty()) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    }
    // A game of `companies` computer companies played for two years with the
    // authored map and characters.
    bool Simulate(int companies) {
        return CopySimulatedGame(bin.string(),
                                 "--companies " + std::to_string(companies) + " --years 2 --seed 5",
                                 (folder.Path() / "played.mqd").string());
    }
    bool Start(const std::string& drawRate = "1.0") {
        // The application in use takes its file with it as it goes.
        app.reset();
        CMessageLoop::Reset();
        CProfile profile(CArboApp::kRegistryKey, CArboApp::kProfileName);
        profile.WriteProfileString(COptionData::kSection, "MapDrawRate", drawRate);
        // Each start gets a copy.
        const fs::path copy = folder.Path() / "judged.mqd";
        fs::copy_file(folder.Path() / "played.mqd", copy, fs::copy_options::overwrite_existing);
        app = std::make_unique<CArboApp>();
        if (app->InitInstance({copy.string()}) != 1) return false;
        frame = app->GetMainFrame();
        view = app->GetView();
        doc = app->GetDocument();
        CMessageLoop::RemoveMessages(frame, CMainFrame::WM_START_ANNOUNCEMENT,
                                     CMainFrame::WM_START_ANNOUNCEMENT);
        CMessageLoop::PumpPending();
        return true;
    }
    // The first companies own a few blocks of cells of the first area.
    void PlaceOwners() {
        CMapData& area = doc->GetMap().Map().GetArea(0);
        for (int c = 0; c < std::min(4, doc->GetCompanyCount()); ++c)
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x) area.SetCellOwner(6 + 5 * c + x, 8 + 3 * c + y, c + 1);
    }
    // The picture scrolled to its middle.
    void ScrollToMiddle() {
        CMapFrameWnd& map = view->GetMapFrame();
        for (int bar : {SB_HORZ, SB_VERT}) {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            if (!map.GetScrollInfo(bar, &info, SIF_ALL)) continue;
            const int middle = (info.nMax - static_cast<int>(info.nPage)) / 2;
            map.SendMessage(bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL,
                            MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(std::max(0, middle))),
                            0);
            map.SendMessage(bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, SB_ENDSCROLL, 0);
        }
    }
    void ShowArea(int area, int direction) {
        doc->SetViewDirection(direction);
        view->ShowAreaMap(area);
        view->SetDisplayMode(CArboView::kModeMap, TRUE);
        view->GetMapFrame().ViewChanged();
    }
    void Save(CWnd& wnd, const std::string& name, uintmax_t leastBytes = 1000) {
        CMessageLoop::PumpPending();
        const fs::path png = GalleryFolder() / name;
        ASSERT_TRUE(wnd.SaveToPng(png.string())) << name;
        EXPECT_GT(fs::file_size(png), leastBytes) << name;
    }

    fs::path bin;
    CTempFolder folder;
    std::string savedConfig;
    std::unique_ptr<CArboApp> app;
    CMainFrame* frame = nullptr;
    CArboView* view = nullptr;
    CArboDoc* doc = nullptr;
};

TEST_F(JudgeMapGalleryTest, MapInEveryDirectionAndZoom) {
    ASSERT_TRUE(Simulate(4));
    ASSERT_TRUE(Start());
    PlaceOwners();
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        ShowArea(0, d);
        ScrollToMiddle();
        Save(view->GetMapFrame(), "map-d" + std::to_string(d) + ".png");
    }
    for (const auto& [rate, name] : {std::pair{"0.5", "map-z05.png"}, {"2.0", "map-z20.png"}}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Start(rate));
        PlaceOwners();
        ShowArea(0, 2);
        ScrollToMiddle();
        Save(view->GetMapFrame(), name);
    }
}

TEST_F(JudgeMapGalleryTest, ScreenOnTheAreaPageAndAtTheResults) {
    ASSERT_TRUE(Simulate(4));
    ASSERT_TRUE(Start());
    CAutoAnswer::Set(false);
    PlaceOwners();
    // Page 18 of the first area, announced.
    frame->SetAnnounceStep(18, 0);
    while (doc->GetStepCounter() < CArboDoc::kFixedSteps) doc->RunNextStep();
    frame->OnAnnounceItem();
    ScrollToMiddle();
    Save(*frame, "judge-area-page.png");
    // The results.
    // The report goes into the test's folder.
    CProgramFolder::Override(folder.Folder());
    frame->SetAnnounceStep(18, doc->GetMap().GetAreaCount() - 1);
    frame->OnAnnounceResults();
    Save(*frame, "judge-results.png");
}

// As many companies as the authored map allows: more than the rows show.
TEST_F(JudgeMapGalleryTest, RankingStripWithTheMapsMostCompanies) {
    ASSERT_TRUE(Simulate(8));
    ASSERT_TRUE(Start());
    while (doc->RunNextStep()) {
    }
    CEpDrawFrameWnd& rows = view->GetCompanyPane().GetRows();
    rows.ShowOverlay();
    CShowTotalPoint& table = rows.GetOverlay();
    table.SendMessage(WM_COMMAND, CShowTotalPoint::kButtonId, 0);
    const CShowTotalPoint::SMeasures m = table.Measures();
    rows.MoveWindow(0, 0, m.Left() + 4 * m.columnWidth + 30, m.Head() + 8 * m.rowHeight, TRUE);
    table.SetFirstColumn(3);
    table.SetFirstRow(4);
    Save(table, "ranking-strip-played.png");
}

}  // namespace
