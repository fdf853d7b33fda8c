#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <filesystem>

#include "UiTestSupport.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

class WindowTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        CWndClassRegistry::Register(
            {"TestFaceWindow", CS_DBLCLKS, CCursor::LoadStandard(IDC_ARROW), COLOR_BTNFACE + 1});
        CWndClassRegistry::Register({"TestPlainWindow", 0, CCursor::LoadStandard(IDC_ARROW), 0});
    }
};

QWidget* WidgetOf(CWnd& w) {
    return w.PlatformImpl().widget.data();
}

void SendMouse(CWnd& w, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QWidget* widget = WidgetOf(w);
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST_F(WindowTest, ClassesAreRegisteredOnce) {
    EXPECT_TRUE(CWndClassRegistry::IsRegistered("TestFaceWindow"));
    EXPECT_FALSE(CWndClassRegistry::Register({"TestFaceWindow", 0, nullptr, 0}));
    CWnd w;
    EXPECT_FALSE(w.CreateEx(0, "NoSuchClass", "", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
}

TEST_F(WindowTest, CreationSendsCreateSizeMoveInOrder) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreateEx(0, "TestFaceWindow", "t", WS_POPUP, CRect(30, 40, 130, 90), nullptr, 0));
    const auto m = w.Messages(WM_CREATE, WM_SIZE);
    ASSERT_GE(m.size(), 3u);
    EXPECT_EQ(m[0], WM_CREATE);
    EXPECT_EQ(w.Count(WM_SIZE), 1);
    EXPECT_EQ(w.Count(WM_MOVE), 1);
    CRect r;
    w.GetWindowRect(&r);
    EXPECT_EQ(r, CRect(30, 40, 130, 90));
}

TEST_F(WindowTest, FailedCreateLeavesNoWindow) {
    CRecorderWnd w;
    w.hooks[WM_CREATE] = [](WPARAM, LPARAM) { return -1; };
    EXPECT_FALSE(w.CreatePopup());
    EXPECT_FALSE(w.IsWindow());
}

// A child with a client edge inside a pop-up: client rectangles, mapping and
// the window under a point.
TEST_F(WindowTest, ChildGeometryAndMapping) {
    CRecorderWnd parent, child;
    ASSERT_TRUE(parent.CreatePopup(CRect(100, 100, 300, 250)));
    ASSERT_TRUE(child.CreateEx(WS_EX_CLIENTEDGE, "TestFaceWindow", "", WS_CHILD | WS_VISIBLE,
                               CRect(10, 20, 110, 70), &parent, 7));
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 96, 46));
    CPoint p(0, 0);
    child.ClientToScreen(&p);
    EXPECT_EQ(p, CPoint(112, 122));
    CPoint inParent(0, 0);
    child.MapWindowPoints(&parent, &inParent, 1);
    EXPECT_EQ(inParent, CPoint(12, 22));
    CRect window;
    child.GetWindowRect(&window);
    EXPECT_EQ(window, CRect(110, 120, 210, 170));
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(150, 150)), &child);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(105, 105)), &parent);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(5, 5)), nullptr);
    EXPECT_EQ(parent.GetDlgItem(7), &child);
    child.EnableWindow(FALSE);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(150, 150)), &parent)
        << "disabled windows are passed over";
}

TEST_F(WindowTest, HiddenChildStaysHiddenWhenItsParentIsShownLater) {
    CRecorderWnd parent;
    ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 120, 80), nullptr, WS_POPUP));
    CWnd hidden, shown;
    ASSERT_TRUE(hidden.CreateEx(0, "TestPlainWindow", "", WS_CHILD, CRect(0, 0, 20, 20), &parent, 1));
    ASSERT_TRUE(shown.CreateEx(0, "TestPlainWindow", "", WS_CHILD | WS_VISIBLE,
                               CRect(30, 0, 50, 20), &parent, 2));
    parent.ShowWindow(SW_SHOW);
    EXPECT_FALSE(WidgetOf(hidden)->isVisible());
    EXPECT_FALSE(hidden.IsWindowVisible());
    EXPECT_TRUE(WidgetOf(shown)->isVisible());
    hidden.ShowWindow(SW_SHOW);
    EXPECT_TRUE(WidgetOf(hidden)->isVisible());
}

TEST_F(WindowTest, MoveAndSizeReportTheNewClientSize) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreatePopup(CRect(0, 0, 50, 50)));
    w.log.clear();
    w.SetWindowPos(nullptr, 5, 6, 80, 40, SWP_NOZORDER);
    ASSERT_EQ(w.Count(WM_SIZE), 1);
    const auto size = std::find_if(w.log.begin(), w.log.end(),
                                   [](const auto& e) { return e.message == WM_SIZE; });
    EXPECT_EQ(LOWORD(size->lParam), 80);
    EXPECT_EQ(HIWORD(size->lParam), 40);
    EXPECT_EQ(w.Count(WM_MOVE), 1);
    w.log.clear();
    w.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(w.Count(WM_SIZE), 0);
}

TEST_F(WindowTest, ScrollBarsShowOnlyWhenThereIsSomethingToScroll) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreatePopup(CRect(0, 0, 100, 100)));
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 500;
    w.log.clear();
    w.SetScrollInfo(SB_VERT, &si);
    CRect client;
    w.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 100 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(w.Count(WM_SIZE), 1) << "the client area shrank";
    EXPECT_EQ(w.GetScrollPos(SB_VERT), 90) << "clamped to the last page";
    EXPECT_NE(w.GetStyle() & WS_VSCROLL, 0u);

    si.nMax = 5;
    w.SetScrollInfo(SB_VERT, &si);
    w.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 100);
    EXPECT_EQ(w.GetScrollPos(SB_VERT), 0);

    si.fMask |= SIF_DISABLENOSCROLL;
    w.SetScrollInfo(SB_VERT, &si);
    w.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 100 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_FALSE(w.PlatformImpl().bars[SB_VERT].enabled);
    w.ShowScrollBar(SB_VERT, FALSE);
    w.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 100);
}

TEST_F(WindowTest, ScrollBarClicksArriveAsScrollMessages) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreatePopup(CRect(0, 0, 100, 100)));
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = 99;
    si.nPage = 10;
    w.SetScrollInfo(SB_VERT, &si);
    QScrollBar* bar = w.PlatformImpl().bars[SB_VERT].bar;
    ASSERT_NE(bar, nullptr);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    PumpPendingMessages();
    ASSERT_EQ(w.Count(WM_VSCROLL), 2);
    const auto first = std::find_if(w.log.begin(), w.log.end(),
                                    [](const auto& e) { return e.message == WM_VSCROLL; });
    EXPECT_EQ(LOWORD(first->wParam), SB_PAGEDOWN);
    EXPECT_EQ(w.GetScrollPos(SB_VERT), 0) << "the window moves the bar itself";
}

TEST_F(WindowTest, DestroyGoesFromParentToChildrenAndCallsPostNcDestroy) {
    auto parent = std::make_unique<CRecorderWnd>();
    CRecorderWnd child;
    ASSERT_TRUE(parent->CreatePopup());
    ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), parent.get(), 1));
    std::vector<CWnd*> order;
    parent->hooks[WM_DESTROY] = [&](WPARAM, LPARAM) {
        order.push_back(parent.get());
        return 0;
    };
    child.hooks[WM_DESTROY] = [&](WPARAM, LPARAM) {
        order.push_back(&child);
        return 0;
    };
    EXPECT_TRUE(parent->DestroyWindow());
    EXPECT_EQ(order, (std::vector<CWnd*>{parent.get(), &child}));
    EXPECT_FALSE(child.IsWindow());
    EXPECT_TRUE(child.nc_destroyed);
    EXPECT_FALSE(parent->DestroyWindow());
}

TEST_F(WindowTest, PaintErasesWithTheClassBackgroundAndReportsTheInvalidPart) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreateEx(0, "TestFaceWindow", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 30),
                           nullptr, 0));
    PumpPendingMessages();
    {
        CClientDC dc(&w);
        dc.FillSolidRect(0, 0, 40, 30, RGB(1, 2, 3));
    }
    CRect part(5, 5, 10, 12);
    PAINTSTRUCT seen;
    w.hooks[WM_PAINT] = [&](WPARAM, LPARAM) {
        CDC* dc = w.BeginPaint(&seen);
        (void)dc;
        w.EndPaint(&seen);
        return 0;
    };
    w.InvalidateRect(&part, TRUE);
    PumpPendingMessages();
    EXPECT_EQ(CRect(seen.rcPaint), part);
    CClientDC dc(&w);
    EXPECT_EQ(dc.GetPixel(6, 6), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(dc.GetPixel(20, 20), RGB(1, 2, 3)) << "outside the invalid part nothing changed";
}

TEST_F(WindowTest, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredStrip) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreatePopup(CRect(0, 0, 10, 10)));
    PumpPendingMessages();
    CClientDC dc(&w);
    for (int y = 0; y < 10; ++y) dc.FillSolidRect(0, y, 10, 1, RGB(y * 20, 0, 0));
    w.ScrollWindow(0, -3);
    EXPECT_EQ(dc.GetPixel(4, 0), RGB(60, 0, 0));
    CRect update;
    EXPECT_TRUE(w.GetUpdateRect(&update));
    EXPECT_EQ(update, CRect(0, 7, 10, 10));
}

// Qt's input reaches the program as queued messages with client
// coordinates; the cursor is asked for first.
TEST_F(WindowTest, MouseInputIsQueuedForTheWindowUnderIt) {
    CRecorderWnd parent, child;
    ASSERT_TRUE(parent.CreateEx(0, "TestPlainWindow", "", WS_POPUP | WS_VISIBLE,
                                CRect(0, 0, 200, 200), nullptr, 0));
    ASSERT_TRUE(child.CreateEx(0, "TestFaceWindow", "", WS_CHILD | WS_VISIBLE,
                               CRect(50, 50, 150, 150), &parent, 1));
    PumpPendingMessages();
    SendMouse(child, QEvent::MouseButtonPress, QPoint(7, 9), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(child.Count(WM_LBUTTONDOWN), 0) << "nothing runs inside Qt's delivery";
    PumpPendingMessages();
    std::vector<UINT> m;
    for (const auto& e : child.log) {
        if (e.message == WM_SETCURSOR || e.message == WM_LBUTTONDOWN) m.push_back(e.message);
    }
    EXPECT_EQ(m, (std::vector<UINT>{WM_SETCURSOR, WM_LBUTTONDOWN}));
    const auto down = std::find_if(child.log.begin(), child.log.end(),
                                   [](const auto& e) { return e.message == WM_LBUTTONDOWN; });
    EXPECT_EQ(GET_X_LPARAM(down->lParam), 7);
    EXPECT_EQ(GET_Y_LPARAM(down->lParam), 9);
    EXPECT_EQ(down->wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(parent.Count(WM_LBUTTONDOWN), 0);

    SendMouse(child, QEvent::MouseButtonDblClick, QPoint(7, 9), Qt::LeftButton, Qt::LeftButton);
    SendMouse(parent, QEvent::MouseButtonDblClick, QPoint(3, 3), Qt::LeftButton, Qt::LeftButton);
    PumpPendingMessages();
    EXPECT_EQ(child.Count(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(parent.Count(WM_LBUTTONDBLCLK), 0) << "its class takes no double clicks";
    EXPECT_EQ(parent.Count(WM_LBUTTONDOWN), 1);
}

TEST_F(WindowTest, MouseMovesAreMergedAndCaptureRedirects) {
    CRecorderWnd a, b;
    ASSERT_TRUE(a.CreatePopup(CRect(0, 0, 50, 50)));
    ASSERT_TRUE(b.CreatePopup(CRect(300, 300, 350, 350)));
    PumpPendingMessages();
    SendMouse(a, QEvent::MouseMove, QPoint(1, 1), Qt::NoButton, Qt::NoButton);
    SendMouse(a, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    PumpPendingMessages();
    EXPECT_EQ(a.Count(WM_MOUSEMOVE), 1);
    b.SetCapture();
    SendMouse(a, QEvent::MouseMove, QPoint(4, 4), Qt::NoButton, Qt::NoButton);
    PumpPendingMessages();
    ASSERT_EQ(b.Count(WM_MOUSEMOVE), 1);
    const auto move = std::find_if(b.log.begin(), b.log.end(),
                                   [](const auto& e) { return e.message == WM_MOUSEMOVE; });
    EXPECT_EQ(GET_X_LPARAM(move->lParam), -296) << "relative to the capturing window";
    CWnd::ReleaseCapture();
}

TEST_F(WindowTest, WheelGoesUpToTheParentWithASignedDelta) {
    CRecorderWnd parent, child;
    ASSERT_TRUE(parent.CreatePopup(CRect(0, 0, 100, 100)));
    ASSERT_TRUE(
        child.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 1));
    PumpPendingMessages();
    QWidget* widget = WidgetOf(child);
    QWheelEvent event(QPointF(5, 5), QPointF(widget->mapToGlobal(QPoint(5, 5))), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
    PumpPendingMessages();
    ASSERT_EQ(parent.Count(WM_MOUSEWHEEL), 1);
    const auto wheel = std::find_if(parent.log.begin(), parent.log.end(),
                                    [](const auto& e) { return e.message == WM_MOUSEWHEEL; });
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel->wParam), -120);
}

TEST_F(WindowTest, KeysGoToTheFocusWindowAndFeedTheKeyState) {
    CRecorderWnd top, child;
    ASSERT_TRUE(top.CreatePopup());
    ASSERT_TRUE(
        child.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &top, 1));
    child.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), &child);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(WidgetOf(top), &space);
    EXPECT_EQ(GetAsyncKeyState(VK_SPACE) & 1, 1) << "seen before anything is dispatched";
    QKeyEvent shiftA(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "A");
    QCoreApplication::sendEvent(WidgetOf(top), &shiftA);
    EXPECT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
    PumpPendingMessages();
    EXPECT_EQ(child.Messages(WM_KEYDOWN, WM_CHAR),
              (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYDOWN, WM_CHAR}));
    const auto lastChar = std::find_if(child.log.rbegin(), child.log.rend(),
                                       [](const auto& e) { return e.message == WM_CHAR; });
    EXPECT_EQ(lastChar->wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(top.Count(WM_KEYDOWN), 0);
}

TEST_F(WindowTest, CloseButtonAsksTheWindowThroughTheSystemCommand) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           CRect(0, 0, 100, 80), nullptr, 0));
    w.refuseClose = true;
    WidgetOf(w)->close();
    PumpPendingMessages();
    EXPECT_EQ(w.Count(WM_SYSCOMMAND), 1);
    EXPECT_EQ(w.Count(WM_CLOSE), 1);
    EXPECT_TRUE(w.IsWindow());
    EXPECT_TRUE(WidgetOf(w)->isVisible());
}

TEST_F(WindowTest, DisabledOwnerGetsNoMouseInput) {
    CRecorderWnd owner;
    ASSERT_TRUE(owner.CreatePopup(CRect(0, 0, 60, 60)));
    PumpPendingMessages();
    owner.EnableWindow(FALSE);
    SendMouse(owner, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    PumpPendingMessages();
    EXPECT_EQ(owner.Count(WM_LBUTTONDOWN), 0);
}

TEST_F(WindowTest, SaveToPngShowsWhatWasPainted) {
    CRecorderWnd w;
    ASSERT_TRUE(w.CreateEx(0, "TestFaceWindow", "", WS_POPUP, CRect(0, 0, 30, 20), nullptr, 0));
    w.hooks[WM_PAINT] = [&](WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        CDC* dc = w.BeginPaint(&ps);
        dc->FillSolidRect(0, 0, 10, 20, RGB(200, 0, 0));
        w.EndPaint(&ps);
        return 0;
    };
    const std::string path =
        (std::filesystem::temp_directory_path() / "mercavo_ui_png_test.png").string();
    ASSERT_TRUE(w.SaveToPng(path));
    QImage image(QString::fromStdString(path));
    std::filesystem::remove(path);
    ASSERT_EQ(image.size(), QSize(30, 20));
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFFu, 0xC80000u);
    EXPECT_EQ(image.pixel(20, 2) & 0xFFFFFFu, 0xD4D0C8u);
}

// A child made without WS_VISIBLE while its parent is still hidden stays
// out of the picture once the parent shows, also over a visible sibling.
TEST_F(WindowTest, AChildCreatedHiddenStaysHiddenWhenItsParentShows) {
    CRecorderWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "TestFaceWindow", "", WS_POPUP, CRect(0, 0, 40, 20), nullptr, 0));
    CRecorderWnd shown, hidden;
    ASSERT_TRUE(shown.CreateEx(0, "TestFaceWindow", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20),
                               &parent, 1));
    ASSERT_TRUE(hidden.CreateEx(0, "TestPlainWindow", "", WS_CHILD, CRect(0, 0, 40, 20), &parent, 2));
    parent.ShowWindow(SW_SHOW);
    EXPECT_FALSE(WidgetOf(hidden)->isVisible());
    EXPECT_TRUE(WidgetOf(shown)->isVisible());
    const std::string path =
        (std::filesystem::temp_directory_path() / "mercavo_ui_hidden_child.png").string();
    ASSERT_TRUE(parent.SaveToPng(path));
    QImage image(QString::fromStdString(path));
    std::filesystem::remove(path);
    EXPECT_EQ(image.pixel(20, 10) & 0xFFFFFFu, 0xD4D0C8u);
    hidden.ShowWindow(SW_SHOW);
    EXPECT_TRUE(WidgetOf(hidden)->isVisible());
}

}  // namespace

namespace {

// Whether the strip of a saved picture where a vertical bar sits shows a
// bar in the system's colours: something other than the plain face colour,
// and not mostly the near-white of the toolkit's own light palette, which
// is hardly visible next to the face.
bool PictureShowsVerticalBar(CWnd& w) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "mercavo_ui_bar_test.png").string();
    if (!w.SaveToPng(path)) return false;
    QImage image(QString::fromStdString(path));
    std::filesystem::remove(path);
    CRect client;
    w.GetClientRect(&client);
    const int x = client.right + GetSystemMetrics(SM_CXVSCROLL) / 2;
    bool drawn = false;
    int nearWhite = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(x, y);
        drawn = drawn || (p & 0xFFFFFFu) != 0xD4D0C8u;
        if (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240) ++nearWhite;
    }
    return drawn && nearWhite * 4 < image.height();
}

TEST_F(WindowTest, ShownScrollBarStandsOutInThePicture) {
    struct Case {
        const char* name;
        bool hiddenParentFirst;  // the bar was first made while the window was hidden
        int children;            // child windows made before the bar is shown again
    };
    const std::vector<Case> cases = {
        {"plain", false, 0},
        {"made while hidden", true, 0},
        {"with children", false, 3},
        {"made while hidden, with children", true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRecorderWnd w;
        ASSERT_TRUE(w.CreateEx(0, "TestFaceWindow", "", WS_POPUP | WS_VSCROLL,
                               CRect(0, 0, 120, 90), nullptr, 0));
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = 11;
        si.nPage = 4;
        si.nPos = 0;
        if (c.hiddenParentFirst) w.SetScrollInfo(SB_VERT, &si);
        w.ShowScrollBar(SB_VERT, FALSE);
        w.ShowWindow(SW_SHOW);
        std::vector<std::unique_ptr<CRecorderWnd>> kids;
        for (int i = 0; i < c.children; ++i) {
            kids.push_back(std::make_unique<CRecorderWnd>());
            ASSERT_TRUE(kids.back()->CreateEx(0, "TestPlainWindow", "", WS_CHILD | WS_VISIBLE,
                                              CRect(0, i * 30, 120, i * 30 + 29), &w, 0));
        }
        w.ShowScrollBar(SB_VERT, TRUE);
        w.SetScrollInfo(SB_VERT, &si);
        CRect client;
        w.GetClientRect(&client);
        for (auto& kid : kids) kid->MoveWindow(0, 0, client.Width(), 29, TRUE);
        PumpPendingMessages();
        EXPECT_TRUE(PictureShowsVerticalBar(w));
    }
}

}  // namespace
