#pragma once
// The main view in a window of its own over a small game: a recording
// frame, a profile in the test's folder and the window classes the
// application registers.

#include <memory>
#include <string>
#include <vector>

#include "game/GameFixture.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "platform/ui/WndClassRegistry.h"
#include "shell/VView.h"
#include "shell/ViewFrame.h"

class CFakeViewFrame : public IViewFrame {
public:
    explicit CFakeViewFrame(const std::string& profilePath) : profile(profilePath) {}
    int GetMapMode() const override { return mapMode; }
    void EndMapPick(int force) override { endPicks.push_back(force); }
    int IsFoundingPhase() const override { return founding; }
    void ShowNetworkWindow() override { ++networkWindowCalls; }
    CProfile& GetProfile() override { return profile; }
    double GetMapDrawRate() const override { return drawRate; }
    int GetPickFlag() const override { return pickFlag; }
    int IsInputEnabled() const override { return inputEnabled; }
    void GetMapColors(COLORREF& top, COLORREF& bottom) const override {
        top = RGB(255, 255, 255);
        bottom = RGB(63, 63, 63);
    }

    void PickMapCell(CCellPoint cell) override { picks.push_back(cell); }
    void DoAreaPortfolio() override { ++portfolioCalls; }
    void ShowAreaExplanation() override { ++explanationCalls; }

    int mapMode = 0;
    double drawRate = 1.0;
    int pickFlag = 0;
    int inputEnabled = 1;
    int founding = 0;
    int networkWindowCalls = 0;
    std::vector<int> endPicks;
    std::vector<CCellPoint> picks;
    int portfolioCalls = 0;
    int explanationCalls = 0;
    CProfile profile;
};

class ViewTest : public GameTest {
protected:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 600;

    void SetUp() override {
        GameTest::SetUp();
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        RegisterClasses();
        viewFrame = std::make_unique<CFakeViewFrame>(folder + "profile.ini");
    }
    void TearDown() override {
        view.reset();
        parent.DestroyWindow();
        CMessageLoop::Reset();
        GameTest::TearDown();
    }

    static void RegisterClasses() {
        CWndClassRegistry::Register({"VELM_NormalWindow", 0, nullptr, COLOR_WINDOW + 1});
        CWndClassRegistry::Register({"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1});
        CWndClassRegistry::Register({"VELMO_SaveBitsWindow", 0, nullptr, COLOR_3DFACE + 1});
        CWndClassRegistry::Register({"VELMO_NoBackWindow", 0, nullptr, COLOR_SCROLLBAR + 1});
    }

    // A frame with a profile of its own (for each case of a table).
    void UseProfile(const std::string& name) {
        viewFrame = std::make_unique<CFakeViewFrame>(folder + name + ".ini");
    }
    // A view of kWidth x kHeight in a window of its own, panes not created.
    CVView& MakeView() {
        if (!parent.IsWindow()) {
            EXPECT_TRUE(parent.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE,
                                        CRect(0, 0, kWidth, kHeight), nullptr, 0));
        }
        view = std::make_unique<CVView>(&doc, viewFrame.get());
        EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE,
                                 CRect(0, 0, kWidth, kHeight), &parent, 0xE900));
        return *view;
    }
    // A view with its panes.
    CVView& MakeViewWithPanes() {
        CVView& v = MakeView();
        EXPECT_EQ(v.CreatePanes(), 1);
        return v;
    }
    // A pane's window rectangle in the view's client coordinates.
    CRect PaneRect(const CWnd& pane) const {
        CRect rect;
        pane.GetWindowRect(&rect);
        view->ScreenToClient(&rect);
        return rect;
    }
    int ProfileValue(const char* key) const {
        return viewFrame->profile.GetProfileInt(CVView::kLayoutSection, key, -9999);
    }

    CWnd parent;
    std::unique_ptr<CFakeViewFrame> viewFrame;
    std::unique_ptr<CVView> view;
};
