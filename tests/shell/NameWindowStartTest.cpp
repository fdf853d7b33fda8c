// The main frame fits the map's name window once a new game's map is
// loaded (as wide as the longest area name needs, in the map's bottom left
// corner), and the window names each area the view shows.

#include "TurnDriverFixture.h"
#include "shell/VView.h"

namespace {

using NameWindowStartTest = TurnDriverTest;

TEST_F(NameWindowStartTest, TheNameWindowFitsTheNewGamesMap) {
    // The game is set up and shown; no month is needed.
    CMainFrame::SetChainGate([](UINT message) { return message != ePHASE_MONTH_START; });
    Start();
    Run();
    ASSERT_GT(doc->GetMap().GetAreaCount(), 0);
    CMapDrawWnd& map = app->GetMainView()->GetMapDrawWnd();
    CMapNameWnd& name = map.GetNameWnd();
    CRect r;
    name.GetWindowRect(&r);
    map.ScreenToClient(&r);
    EXPECT_GT(name.GetDefaultWidth(), CMapNameWnd::kMinWidth);
    EXPECT_EQ(r.Width(), name.GetDefaultWidth());
    EXPECT_EQ(r.Height(), name.GetDefaultHeight());
    CRect client;
    map.GetClientRect(&client);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, client.bottom);

    // Another area shown: the name window paints its name.
    name.UpdateWindow();
    ASSERT_FALSE(name.GetUpdateRect(nullptr));
    CVView& view = *app->GetMainView();
    ASSERT_EQ(view.ShowArea((view.GetShownArea() + 1) % doc->GetMap().GetAreaCount()), 1);
    EXPECT_TRUE(name.GetUpdateRect(nullptr));
}

}  // namespace
