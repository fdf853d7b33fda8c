// The windows that float over the map: the name window (its size for the
// longest area name, dragging inside the map, the initial size and the
// minimum) and the direction dial (its regions in every direction, clicks
// that turn the view, a press that is taken back, its colours and its
// smallest size).

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fakes/FakeBlockHost.h"
#include "model/AppFonts.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/DC.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/SystemMetrics.h"
#include "resources/MercavoResources.h"
#include "views/MapWindowFixture.h"

namespace {

// A view that turns the document as asked and remembers each request.
class CTurningViewHost : public CFakeViewHost {
public:
    explicit CTurningViewHost(CVDoc& doc) : m_doc(doc) {}
    int SetDirection(int direction) override {
        directions.push_back(direction);
        if (direction == m_doc.GetViewDirection()) return 0;
        m_doc.SetViewDirection(direction);
        return 1;
    }
    std::vector<int> directions;

private:
    CVDoc& m_doc;
};

CRect WindowInParent(CWnd& wnd) {
    CRect r;
    wnd.GetWindowRect(&r);
    wnd.GetParent()->ScreenToClient(&r);
    return r;
}

// Mouse messages as the loop delivers them: in the window's client
// coordinates of the moment.
void SendMouse(CWnd& wnd, UINT message, CPoint screen) {
    CPoint client = screen;
    wnd.ScreenToClient(&client);
    wnd.SendMessage(message, MK_LBUTTON, MAKELPARAM(client.x, client.y));
}

CPoint ScreenOf(CWnd& wnd, CPoint client) {
    wnd.ClientToScreen(&client);
    return client;
}

CPoint Centroid(const CMapDirectWnd::STriangle& t) {
    return CPoint((t[0].x + t[1].x + t[2].x) / 3, (t[0].y + t[1].y + t[2].y) / 3);
}

// The application's hand cursor, played by a standard one.
class CHandCursorHost : public CFakeBlockHost {
public:
    const CCursor* GetHandCursor() override { return CCursor::LoadStandard(IDC_SIZEWE); }
};

class MapFloatWndTest : public MapWindowTest {
protected:
    void SetUp() override {
        MapWindowTest::SetUp();
        ASSERT_TRUE(blocks.loaded) << "the program folder's palette, strips and fonts";
        mercavo_resources::Register();
        NewAuthoredGame(1, 3);
    }

    void Open(int width, int height) {
        OpenWindow(width, height, 0);
        map.AttachDocument(&doc, &turning);
    }

    // The widest and tallest area name in the second message font.
    CSize LongestName() {
        CClientDC dc(nullptr);
        CFont* old = dc.SelectObject(blocks.fonts.GetMessageFont2());
        CSize most(0, 0);
        for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) {
            const CSize s = dc.GetTextExtent(doc.GetMap().GetAreaName(a));
            most.cx = std::max(most.cx, s.cx);
            most.cy = std::max(most.cy, s.cy);
        }
        dc.SelectObject(old);
        return most;
    }

    void Drag(CWnd& wnd, CPoint grip, const std::vector<CSize>& steps) {
        CPoint at = ScreenOf(wnd, grip);
        SendMouse(wnd, WM_LBUTTONDOWN, at);
        for (const CSize& step : steps) {
            at.Offset(step.cx, step.cy);
            SendMouse(wnd, WM_MOUSEMOVE, at);
        }
        SendMouse(wnd, WM_LBUTTONUP, at);
    }

    CMapDirectWnd::SLook Look(int direction) {
        CMapDirectWnd::SLook look;
        look.direction = direction;
        look.angles = {doc.GetMap().GetViewAngle1(), doc.GetMap().GetViewAngle2()};
        return look;
    }

    CHandCursorHost blocks;
    CTurningViewHost turning{doc};
};

// ---------------------------------------------------------------- name window

TEST_F(MapFloatWndTest, NameWindowFitsTheLongestNameInTheBottomLeftCorner) {
    Open(900, 600);
    CMapNameWnd& name = map.GetNameWnd();
    name.FitToNames();
    const CSize longest = LongestName();
    CRect client;
    map.GetClientRect(&client);
    const CRect r = WindowInParent(name);
    EXPECT_EQ(r.Width(), longest.cx + 2 * GetSystemMetrics(SM_CXEDGE) + 10);
    EXPECT_EQ(r.Height(), longest.cy + 2 * GetSystemMetrics(SM_CYEDGE) + 10);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, client.bottom);
    EXPECT_EQ(name.GetDefaultWidth(), r.Width());
    EXPECT_EQ(name.GetDefaultHeight(), r.Height());
}

TEST_F(MapFloatWndTest, NameWiderThanTheMapGetsTheMapsClientWidth) {
    Open(60, 300);
    CRect client;
    map.GetClientRect(&client);
    ASSERT_LT(client.Width(), LongestName().cx);
    map.GetNameWnd().FitToNames();
    const CRect r = WindowInParent(map.GetNameWnd());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.Width(), client.Width());
    EXPECT_EQ(r.bottom, client.bottom);
}

TEST_F(MapFloatWndTest, NameWindowFollowsTheMouseAndStaysInsideTheMap) {
    Open(900, 600);
    CMapNameWnd& name = map.GetNameWnd();
    name.FitToNames();
    const CRect start = WindowInParent(name);
    // Each step is measured from the last, though the window moved under
    // the mouse in between.
    Drag(name, CPoint(4, 4), {{10, -10}, {10, -10}, {5, 0}});
    CRect r = WindowInParent(name);
    EXPECT_EQ(r.left, start.left + 25);
    EXPECT_EQ(r.top, start.top - 20);
    EXPECT_EQ(r.Size(), start.Size());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    CRect client;
    map.GetClientRect(&client);
    Drag(name, CPoint(4, 4), {{3000, 0}});
    r = WindowInParent(name);
    EXPECT_EQ(r.right, client.right) << "flush with the right edge";
    EXPECT_EQ(r.top, start.top - 20);
    Drag(name, CPoint(4, 4), {{-5000, -5000}});
    EXPECT_EQ(WindowInParent(name).TopLeft(), CPoint(0, 0));

    // Moves without the button down do nothing.
    SendMouse(name, WM_MOUSEMOVE, ScreenOf(name, CPoint(40, 40)));
    EXPECT_EQ(WindowInParent(name).TopLeft(), CPoint(0, 0));
}

TEST_F(MapFloatWndTest, InitialSizeRestoresTheSizeAndKeepsThePosition) {
    EXPECT_EQ(CStringTable::Get(CMapFloatWnd::kInitialSizeCommand), "Initial size");
    Open(900, 600);
    CMapNameWnd& name = map.GetNameWnd();
    name.FitToNames();
    const CSize fitted = WindowInParent(name).Size();
    name.SetWindowPos(nullptr, 100, 50, 300, 90, SWP_NOZORDER);
    // The context menu's one item, chosen with the keys.
    name.PostMessage(WM_KEYDOWN, VK_DOWN, 1);
    name.PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    name.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    CMessageLoop::PumpPending();
    const CRect r = WindowInParent(name);
    EXPECT_EQ(r.TopLeft(), CPoint(100, 50));
    EXPECT_EQ(r.Size(), fitted);

    // The dial goes back to its 70 x 70 the same way.
    CMapDirectWnd& dial = map.GetDirectWnd();
    dial.SetWindowPos(nullptr, 30, 40, 150, 20, SWP_NOZORDER);
    dial.SendMessage(WM_COMMAND, CMapFloatWnd::kInitialSizeCommand, 0);
    EXPECT_EQ(WindowInParent(dial), CRect(30, 40, 100, 110));
}

TEST_F(MapFloatWndTest, FloatingWindowsHaveTheirMinimumTrackingSizes) {
    Open(400, 300);
    for (auto [wnd, minimum] : {std::pair<CWnd*, CPoint>{&map.GetNameWnd(), CPoint(20, 5)},
                                {&map.GetDirectWnd(), CPoint(10, 10)}}) {
        MINMAXINFO info{};
        wnd->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(CPoint(info.ptMinTrackSize), minimum);
    }
}

// ---------------------------------------------------------------- dial

TEST_F(MapFloatWndTest, DialRegionsInEveryDirection) {
    const CSize client(70, 70);
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        const CMapDirectWnd::SLook look = Look(d);
        for (int region = 0; region <= CMapDirectWnd::kCentre; ++region) {
            const CPoint inside = Centroid(CMapDirectWnd::RegionTriangle(region, look, client));
            EXPECT_EQ(CMapDirectWnd::HitTestAt(inside, look, client), region);
        }
        EXPECT_EQ(CMapDirectWnd::HitTestAt(CPoint(35, 35), look, client), CMapDirectWnd::kCentre);
        for (CPoint outside : {CPoint(0, 0), CPoint(69, 69), CPoint(69, 0), CPoint(0, 69)})
            EXPECT_EQ(CMapDirectWnd::HitTestAt(outside, look, client), -1);
        // The current direction's arrow always sits below the centre.
        EXPECT_GT(Centroid(CMapDirectWnd::RegionTriangle(d, look, client)).y, 35);
    }
}

TEST_F(MapFloatWndTest, DialStillWorksAtItsSmallestSize) {
    const CSize client(10, 10);
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        const CMapDirectWnd::SLook look = Look(d);
        std::vector<int> reached(5, 0);
        for (int y = 0; y < client.cy; ++y)
            for (int x = 0; x < client.cx; ++x) {
                const int region = CMapDirectWnd::HitTestAt(CPoint(x, y), look, client);
                if (region >= 0) reached[static_cast<size_t>(region)] = 1;
            }
        EXPECT_EQ(reached, std::vector<int>(5, 1)) << "every region can be clicked";
        EXPECT_EQ(CMapDirectWnd::HitTestAt(CPoint(0, 0), look, client), -1);
    }
}

TEST_F(MapFloatWndTest, ClicksOnTheDialTurnTheView) {
    Open(900, 600);
    CMapDirectWnd& dial = map.GetDirectWnd();
    CRect client;
    dial.GetClientRect(&client);
    auto click = [&](CPoint at) {
        dial.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        dial.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    };
    doc.SetViewDirection(3);
    click(CPoint(client.Width() / 2, client.Height() / 2));
    EXPECT_EQ(turning.directions, std::vector<int>{0}) << "the centre turns a quarter on";
    const CPoint arrow1 =
        Centroid(CMapDirectWnd::RegionTriangle(1, dial.CurrentLook(), client.Size()));
    click(arrow1);
    EXPECT_EQ(turning.directions, (std::vector<int>{0, 1}));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(MapFloatWndTest, APressTakenOffTheArrowChangesNothing) {
    Open(900, 600);
    CMapDirectWnd& dial = map.GetDirectWnd();
    CRect client;
    dial.GetClientRect(&client);
    const CRect before = WindowInParent(dial);
    const CPoint arrow =
        Centroid(CMapDirectWnd::RegionTriangle(0, dial.CurrentLook(), client.Size()));
    const CPoint away(1, 1);
    auto send = [&](UINT message, CPoint at) {
        dial.SendMessage(message, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    };
    send(WM_LBUTTONDOWN, arrow);
    send(WM_MOUSEMOVE, away);
    send(WM_LBUTTONUP, away);
    EXPECT_TRUE(turning.directions.empty());
    EXPECT_EQ(WindowInParent(dial), before) << "a press on an arrow never drags";

    // Back over the arrow before the release, it counts.
    send(WM_LBUTTONDOWN, arrow);
    send(WM_MOUSEMOVE, away);
    send(WM_MOUSEMOVE, arrow);
    send(WM_LBUTTONUP, arrow);
    EXPECT_EQ(turning.directions, std::vector<int>{0});

    // A press off the regions drags the dial.
    Drag(dial, away, {{40, 30}});
    EXPECT_EQ(WindowInParent(dial).TopLeft(), before.TopLeft() + CPoint(40, 30));
}

TEST_F(MapFloatWndTest, HoldingTheCentreKeepsTheArrowsInView) {
    Open(900, 600);
    CMapDirectWnd& dial = map.GetDirectWnd();
    dial.UpdateWindow();
    CRect client;
    dial.GetClientRect(&client);
    const CMapDirectWnd::SLook look = dial.CurrentLook();
    const CPoint centre = Centroid(CMapDirectWnd::RegionTriangle(CMapDirectWnd::kCentre, look, client.Size()));
    const CPoint current = Centroid(CMapDirectWnd::RegionTriangle(look.direction, look, client.Size()));
    CClientDC dc(&dial);
    EXPECT_EQ(dc.GetPixel(current), RGB(255, 0, 0));
    dial.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(dc.GetPixel(current), RGB(255, 0, 0)) << "the arrows stay while the centre is held";
    dial.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_TRUE(turning.directions.empty());
    EXPECT_EQ(dc.GetPixel(current), RGB(255, 0, 0));
}

TEST_F(MapFloatWndTest, DialColoursTheCurrentArrowRedAndDisabledOnesDarkGrey) {
    const CSize client(70, 70);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(client.cx, client.cy));
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap* old = dc.SelectObject(&bitmap);
    const COLORREF red = RGB(255, 0, 0), black = RGB(0, 0, 0), grey = RGB(64, 64, 64);
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        CMapDirectWnd::SLook look = Look(d);
        // Direction 1 lacks pictures, the current one among them once.
        look.enabled = {1, 0, 1, 1};
        CMapDirectWnd::Draw(dc, client, look);
        for (int i = 0; i < 4; ++i) {
            const COLORREF expected = i == d ? red : i == 1 ? grey : black;
            EXPECT_EQ(dc.GetPixel(Centroid(CMapDirectWnd::RegionTriangle(i, look, client))),
                      expected)
                << "arrow " << i;
        }
        // The centre shows whether the next direction may be chosen.
        EXPECT_EQ(dc.GetPixel(Centroid(
                      CMapDirectWnd::RegionTriangle(CMapDirectWnd::kCentre, look, client))),
                  (d + 1) % 4 == 1 ? grey : black);
    }
    dc.SelectObject(old);
}

TEST_F(MapFloatWndTest, TheHandCursorShowsOverTheDialsRegionsOnly) {
    Open(900, 600);
    CMapDirectWnd& dial = map.GetDirectWnd();
    CRect client;
    dial.GetClientRect(&client);
    const CPoint centre(client.Width() / 2, client.Height() / 2);
    for (auto [at, hand] : {std::pair{centre, true}, std::pair{CPoint(1, 1), false}}) {
        const CPoint screen = ScreenOf(dial, at);
        const LRESULT hit = dial.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        EXPECT_EQ(hit, HTCLIENT);
        SetCursor(nullptr);
        dial.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(&dial),
                         MAKELPARAM(hit, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor() == CCursor::LoadStandard(IDC_SIZEWE), hand) << at.x << "," << at.y;
    }
}

}  // namespace
