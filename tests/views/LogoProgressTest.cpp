// The animated logo (its phases, the last frame, the picture it composes)
// and the progress message window (which row each message goes to, and
// how the text scrolls).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeBlockHost.h"
#include "model/PictureCatalog.h"
#include "platform/core/Clock.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"
#include "views/LogoMarkWnd.h"
#include "views/OwnerRow.h"
#include "views/ProgressMesWnd.h"

namespace {

class LogoProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CWndClassRegistry::Register({"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1});
        ASSERT_TRUE(host.loaded);
        ASSERT_TRUE(parent.CreateEx(0, "VELMO_3DFaceWindow", "test", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, 600, 400), nullptr, 0));
    }
    void TearDown() override {
        if (parent.IsWindow()) parent.DestroyWindow();
        CMessageLoop::Reset();
    }
    void Tick(CLogoMarkWnd& logo) { logo.SendMessage(WM_TIMER, CLogoMarkWnd::kTimer, 0); }

    // The logo's frame composed into a memory picture of width x height.
    struct SPicture {
        CDC dc;
        CBitmap bitmap;
        CBitmap* previous = nullptr;
    };
    void Compose(const CLogoMarkWnd& logo, SPicture& picture, int width, int height) {
        CClientDC screen(nullptr);
        ASSERT_TRUE(picture.dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(picture.bitmap.CreateCompatibleBitmap(&screen, width, height));
        picture.previous = picture.dc.SelectObject(&picture.bitmap);
        logo.DrawFrame(picture.dc, width, height);
    }
    // Strip cell `cell` of the logo over the button face, masked by cell 0,
    // as it should stand at (x, y).
    void ExpectLogoCell(SPicture& picture, int cell, int x, int y) {
        CBitmap* strip = host.strips.GetBitmap(CPictureCatalog::kLogo);
        ASSERT_NE(strip, nullptr);
        const CSize size = host.strips.GetCellSize(CPictureCatalog::kLogo);
        CClientDC screen(nullptr);
        SPicture expected;
        ASSERT_TRUE(expected.dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(expected.bitmap.CreateCompatibleBitmap(&screen, size.cx, size.cy));
        expected.previous = expected.dc.SelectObject(&expected.bitmap);
        CDC source;
        ASSERT_TRUE(source.CreateCompatibleDC(&screen));
        CBitmap* old = source.SelectObject(strip);
        expected.dc.FillSolidRect(0, 0, size.cx, size.cy, GetSysColor(COLOR_BTNFACE));
        expected.dc.BitBlt(0, 0, size.cx, size.cy, &source, 0, 0, SRCAND);
        expected.dc.BitBlt(0, 0, size.cx, size.cy, &source, 0, cell * size.cy, SRCPAINT);
        source.SelectObject(old);
        int differing = 0;
        for (int j = 0; j < size.cy; ++j)
            for (int i = 0; i < size.cx; ++i)
                differing += picture.dc.GetPixel(x + i, y + j) != expected.dc.GetPixel(i, j);
        EXPECT_EQ(differing, 0) << "logo cell " << cell;
    }

    CFakeBlockHost host;
    CWnd parent;
};

TEST_F(LogoProgressTest, TheLogoRunsItsPhasesAndStopsAtItsLastFrame) {
    CLogoMarkWnd logo;
    ASSERT_TRUE(logo.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                            CRect(0, 0, 200, 80), &parent, 1004));
    EXPECT_EQ(logo.GetPhase(), -1) << "nothing before the first start";
    logo.StartAnimation(500);
    EXPECT_EQ(logo.GetPeriod(), 500u);
    EXPECT_TRUE(logo.IsAnimating());
    std::vector<int> phases;
    for (int t = 0; t < 9; ++t) {
        Tick(logo);
        phases.push_back(logo.GetPhase());
    }
    EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 0, 1}));
    logo.StopAtLastFrame();
    EXPECT_EQ(logo.GetPhase(), CLogoMarkWnd::kLastFrame);
    EXPECT_FALSE(logo.IsAnimating());
    logo.UpdateWindow();
    logo.StopAnimation();
    EXPECT_EQ(logo.GetPhase(), CLogoMarkWnd::kLastFrame) << "a stop keeps the frame shown";
}

TEST_F(LogoProgressTest, TheMarkAnimationCyclesItsSixFrames) {
    CLogoMarkWnd logo;
    logo.SetMarkMode(1);
    ASSERT_TRUE(logo.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                            CRect(0, 0, 100, 100), &parent, 1004));
    logo.StartAnimation(200);
    std::vector<int> phases;
    for (int t = 0; t < 8; ++t) {
        Tick(logo);
        logo.UpdateWindow();
        phases.push_back(logo.GetPhase());
    }
    EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 3, 4, 5, 0, 1}));
}

TEST_F(LogoProgressTest, WhereTheLogoStands) {
    const struct {
        CSize client, logo;
        CRect rect;
    } cases[] = {
        {CSize(200, 80), CSize(60, 60), CRect(70, 10, 130, 70)},
        {CSize(40, 30), CSize(60, 60), CRect(0, 0, 40, 30)},
        {CSize(200, 30), CSize(60, 60), CRect(70, 0, 130, 30)},
        {CSize(60, 60), CSize(60, 60), CRect(0, 0, 60, 60)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLogoMarkWnd::LogoRect(c.client, c.logo), c.rect) << c.client.cx << "x" << c.client.cy;
}

TEST_F(LogoProgressTest, ThePlainLogoLeavesThePatternOutAndKeepsTheMask) {
    const CSize cell = host.strips.GetCellSize(CPictureCatalog::kLogo);
    const int width = cell.cx + 40, height = cell.cy + 20;
    for (int plain : {0, 1}) {
        CLogoMarkWnd logo;
        logo.SetPlainMode(plain);
        logo.StartAnimation(500);
        logo.StopAtLastFrame();
        SPicture picture;
        Compose(logo, picture, width, height);
        int face = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 20; ++x)
                face += picture.dc.GetPixel(x, y) == GetSysColor(COLOR_BTNFACE);
        if (plain) {
            EXPECT_EQ(face, 20 * height) << "beside the logo only the button face";
            ExpectLogoCell(picture, CLogoMarkWnd::kLastFrame + 1, 20, 10);
        } else {
            EXPECT_LT(face, 20 * height) << "the background pattern";
        }
        picture.dc.SelectObject(picture.previous);
    }
}

class ProgressTest : public LogoProgressTest {
protected:
    CProgressMesWnd& Make(int rows) {
        const int ch = OwnerRow::LayoutSize().cy;
        EXPECT_TRUE(progress.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                                    CRect(0, 0, 400, rows * ch), &parent, 1));
        return progress;
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int r = 0; r < CProgressMesWnd::kLines; ++r) lines.push_back(progress.GetLine(r));
        return lines;
    }
    CProgressMesWnd progress;
};

TEST_F(ProgressTest, TheSixthMessageScrollsOneLine) {
    Make(6);
    for (int m = 1; m <= 5; ++m) progress.AddMessage("m" + std::to_string(m));
    EXPECT_EQ(progress.GetCurrentLine(), 5);
    progress.AddMessage("m6");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"m2", "m3", "m4", "m5", "m6", ""}));
    EXPECT_EQ(progress.GetCurrentLine(), 5);
    progress.AddMessage("m7");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"m3", "m4", "m5", "m6", "m7", ""}))
        << "the next message goes into the bottom row, and scrolls again";
    progress.UpdateWindow();
}

TEST_F(ProgressTest, BlankLinesAfterThreeMessages) {
    Make(6);
    for (int m = 1; m <= 3; ++m) progress.AddMessage("m" + std::to_string(m));
    progress.ScrollLines(5);
    EXPECT_EQ(Lines(), std::vector<std::string>(6));
    progress.AddMessage("next");
    EXPECT_EQ(progress.GetLine(2), "next");
}

TEST_F(ProgressTest, AWindowTallerThanSixRowsKeepsToSixLines) {
    Make(10);
    for (int m = 1; m <= 12; ++m) progress.AddMessage("m" + std::to_string(m));
    EXPECT_LE(progress.GetCurrentLine(), 5);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"m8", "m9", "m10", "m11", "m12", ""}));
}

TEST_F(ProgressTest, ALowWindowScrollsEachMessage) {
    Make(3);
    for (int m = 1; m <= 4; ++m) progress.AddMessage("m" + std::to_string(m));
    EXPECT_EQ(progress.GetCurrentLine(), 2);
    EXPECT_EQ(progress.GetLine(0), "m3");
    EXPECT_EQ(progress.GetLine(1), "m4");
}

}  // namespace
