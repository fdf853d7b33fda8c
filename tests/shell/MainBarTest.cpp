#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "shell/MainBar.h"

namespace {

class MainBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMessageLoop::Reset();
        ASSERT_TRUE(frame.Create(nullptr, "MERCAVO", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(0, 0, 640, 200)));
        // Nine faces of 32 x 30, each in a colour of its own.
        ASSERT_TRUE(faces.CreateBitmap(288, 30));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CBitmap* old = dc.SelectObject(&faces);
        for (int i = 0; i < 9; ++i) {
            dc.FillSolidRect(i * 32, 0, 32, 30, RGB(20 * i, 255 - 20 * i, 128));
            dc.TextOut(i * 32 + 10, 8, std::string(1, static_cast<char>('A' + i)));
        }
        dc.SelectObject(old);
    }
    void TearDown() override {
        frame.DestroyWindow();
        CMessageLoop::Reset();
    }
    CFrameWnd frame;
    CBitmap faces;
};

TEST_F(MainBarTest, NineButtonsInFourGroupsOnTheTopEdge) {
    CMainBar bar;
    ASSERT_TRUE(bar.Create(&frame, &faces));
    frame.RecalcLayout();
    EXPECT_EQ(bar.GetDlgCtrlID(), 150u);
    const std::vector<UINT> ids = {32773, 0, 45020, 45021, 0, 40022, 32780,
                                   0,     40060, 40030, 0, 40090, 0, 40200};
    ASSERT_EQ(bar.GetCount(), static_cast<int>(ids.size()));
    int buttons = 0;
    for (int i = 0; i < bar.GetCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bar.GetItemID(i), ids[static_cast<size_t>(i)]);
        const bool separator = (bar.GetButtonStyle(i) & TBBS_SEPARATOR) != 0;
        EXPECT_EQ(separator, ids[static_cast<size_t>(i)] == 0);
        if (separator) continue;
        ++buttons;
        CRect item;
        bar.GetItemRect(i, &item);
        EXPECT_EQ(item.Width(), 40);
        EXPECT_EQ(item.Height(), 38);
    }
    EXPECT_EQ(buttons, 9);
    EXPECT_FALSE(bar.IsAtBottom());
}

TEST_F(MainBarTest, NoFacesNoBar) {
    CMainBar bar;
    EXPECT_FALSE(bar.Create(&frame, nullptr));
    EXPECT_FALSE(bar.IsWindow());
}

}  // namespace
