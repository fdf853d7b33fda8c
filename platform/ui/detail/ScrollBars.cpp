#include "platform/ui/detail/ScrollBars.h"

#include <QPalette>
#include <algorithm>

#include "platform/ui/MessageLoop.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/NonClientPainter.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

int MaxPos(const SCROLLINFO& si) {
    int maxPos = si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0);
    return std::max(maxPos, si.nMin);
}

bool Scrollable(const SCROLLINFO& si) {
    const int64_t span = static_cast<int64_t>(si.nMax) - si.nMin + 1;
    return si.nMax > si.nMin && (si.nPage == 0 || static_cast<int64_t>(si.nPage) < span);
}

int ScrollCode(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            return SB_LINEDOWN;
        case QAbstractSlider::SliderSingleStepSub:
            return SB_LINEUP;
        case QAbstractSlider::SliderPageStepAdd:
            return SB_PAGEDOWN;
        case QAbstractSlider::SliderPageStepSub:
            return SB_PAGEUP;
        case QAbstractSlider::SliderToMinimum:
            return SB_TOP;
        case QAbstractSlider::SliderToMaximum:
            return SB_BOTTOM;
        case QAbstractSlider::SliderMove:
            return SB_THUMBTRACK;
        default:
            return -1;
    }
}

void PostScroll(CWnd* wnd, int bar, int code, int pos) {
    CMessageLoop::Post(wnd, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos), 0);
}

// The window that owns a bar now: a window attached to another object
// (subclassed) keeps its bars.
CWnd* OwnerOf(QScrollBar* bar) {
    auto* widget = dynamic_cast<CWindowWidget*>(bar->parentWidget());
    return widget ? widget->Wnd() : nullptr;
}

// The window's own bar does not move by itself: like the system's, it
// reports the user's action and waits for the window to set the position.
void Connect(int index, QScrollBar* bar) {
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [index, bar](int action) {
        CWnd* wnd = OwnerOf(bar);
        const int code = ScrollCode(action);
        if (code < 0 || !wnd) return;
        const CScrollBarState& st = wnd->PlatformImpl().bars[index];
        PostScroll(wnd, index, code, bar->sliderPosition());
        if (code != SB_THUMBTRACK) {
            bar->setSliderPosition(st.info.nPos);
            PostScroll(wnd, index, SB_ENDSCROLL, 0);
        }
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [index, bar] {
        CWnd* wnd = OwnerOf(bar);
        if (!wnd) return;
        PostScroll(wnd, index, SB_THUMBPOSITION, bar->sliderPosition());
        PostScroll(wnd, index, SB_ENDSCROLL, 0);
    });
}

// The bar takes the system's button and scroll-bar colours, so that it
// stands out from the window's face as the other drawn controls do; the
// toolkit's own light palette left it hardly visible on the face colour.
QPalette SystemBarPalette() {
    QPalette palette;
    const auto colour = [](int index) { return CUiSystem::ToQColor(GetSysColor(index)); };
    palette.setColor(QPalette::Window, colour(COLOR_BTNFACE));
    palette.setColor(QPalette::Button, colour(COLOR_BTNFACE));
    palette.setColor(QPalette::Base, colour(COLOR_SCROLLBAR));
    palette.setColor(QPalette::Light, colour(COLOR_BTNHIGHLIGHT));
    palette.setColor(QPalette::Midlight, colour(COLOR_BTNFACE));
    palette.setColor(QPalette::Mid, colour(COLOR_BTNSHADOW));
    palette.setColor(QPalette::Dark, colour(COLOR_BTNSHADOW));
    palette.setColor(QPalette::Shadow, colour(COLOR_3DDKSHADOW));
    palette.setColor(QPalette::ButtonText, colour(COLOR_BTNTEXT));
    palette.setColor(QPalette::WindowText, colour(COLOR_BTNTEXT));
    return palette;
}

void Sync(CWnd* wnd, int index) {
    CWnd::Impl& impl = wnd->PlatformImpl();
    CScrollBarState& st = impl.bars[index];
    if (!impl.widget) return;
    if (!st.shown) {
        if (st.bar) st.bar->hide();
        return;
    }
    if (!st.bar) {
        st.bar = new QScrollBar(index == SB_VERT ? Qt::Vertical : Qt::Horizontal, impl.widget);
        st.bar->setFocusPolicy(Qt::NoFocus);
        st.bar->setPalette(SystemBarPalette());
        Connect(index, st.bar);
    }
    const QSignalBlocker block(st.bar);
    st.bar->setRange(st.info.nMin, MaxPos(st.info));
    st.bar->setPageStep(std::max<int>(1, static_cast<int>(st.info.nPage)));
    st.bar->setValue(st.info.nPos);
    st.bar->setEnabled(st.enabled);
    st.bar->show();
}

}  // namespace

BOOL CScrollBars::Set(CWnd* wnd, int bar, const SCROLLINFO& info) {
    if (bar != SB_HORZ && bar != SB_VERT) return 0;
    CScrollBarState& st = wnd->PlatformImpl().bars[bar];
    if (info.fMask & SIF_RANGE) {
        st.info.nMin = info.nMin;
        st.info.nMax = info.nMax;
    }
    if (info.fMask & SIF_PAGE) st.info.nPage = info.nPage;
    if (info.fMask & SIF_POS) st.info.nPos = info.nPos;
    st.info.nPos = std::clamp(st.info.nPos, st.info.nMin, MaxPos(st.info));
    if (info.fMask & (SIF_RANGE | SIF_PAGE)) {
        if (Scrollable(st.info)) {
            st.enabled = true;
            Show(wnd, bar, true);
        } else if (info.fMask & SIF_DISABLENOSCROLL) {
            st.enabled = false;
            Show(wnd, bar, true);
        } else {
            Show(wnd, bar, false);
        }
    }
    Sync(wnd, bar);
    return st.info.nPos;
}

BOOL CScrollBars::Get(const CWnd* wnd, int bar, SCROLLINFO& info, UINT mask) {
    if (bar != SB_HORZ && bar != SB_VERT) return FALSE;
    const CScrollBarState& st = wnd->PlatformImpl().bars[bar];
    if (mask & SIF_RANGE) {
        info.nMin = st.info.nMin;
        info.nMax = st.info.nMax;
    }
    if (mask & SIF_PAGE) info.nPage = st.info.nPage;
    if (mask & SIF_POS) info.nPos = st.info.nPos;
    if (mask & SIF_TRACKPOS) info.nTrackPos = st.bar ? st.bar->sliderPosition() : st.info.nPos;
    info.fMask = mask;
    return TRUE;
}

void CScrollBars::Show(CWnd* wnd, int bar, bool show) {
    CWnd::Impl& impl = wnd->PlatformImpl();
    if (bar != SB_HORZ && bar != SB_VERT) return;
    if (impl.bars[bar].shown == show) return;
    CRect before;
    wnd->GetClientRect(&before);
    impl.bars[bar].shown = show;
    if (show) {
        impl.style |= bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    } else {
        impl.style &= ~(bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL);
    }
    Sync(wnd, bar);
    AfterGeometryChange(wnd, before.Size(), impl.widget ? impl.widget->pos() : QPoint());
}

void CScrollBars::Enable(CWnd* wnd, int bar, bool enable) {
    if (bar != SB_HORZ && bar != SB_VERT) return;
    wnd->PlatformImpl().bars[bar].enabled = enable;
    Sync(wnd, bar);
}

void CScrollBars::Layout(CWnd* wnd) {
    CWnd::Impl& impl = wnd->PlatformImpl();
    if (!impl.widget) return;
    const QRect client = impl.ClientInWidget();
    if (impl.bars[SB_VERT].bar) {
        impl.bars[SB_VERT].bar->setGeometry(client.right() + 1, client.top(),
                                            GetSystemMetrics(SM_CXVSCROLL), client.height());
    }
    if (impl.bars[SB_HORZ].bar) {
        impl.bars[SB_HORZ].bar->setGeometry(client.left(), client.bottom() + 1, client.width(),
                                            GetSystemMetrics(SM_CYHSCROLL));
    }
}

void CScrollBars::AfterGeometryChange(CWnd* wnd, CSize oldClient, QPoint oldPos) {
    CWnd::Impl& impl = wnd->PlatformImpl();
    if (!impl.widget || !impl.created) return;
    const int background = impl.classBackground > 0 ? impl.classBackground - 1 : COLOR_WINDOW;
    impl.widget->SyncSurface(CUiSystem::ToPixel(GetSysColor(background)));
    Layout(wnd);
    CNonClientPainter::Paint(wnd);
    CRect client;
    wnd->GetClientRect(&client);
    if (client.Size() != oldClient) {
        wnd->Invalidate(TRUE);
        wnd->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    }
    if (!wnd->IsWindow() || !impl.widget || impl.widget->pos() == oldPos) return;
    CPoint origin(0, 0);
    wnd->MapWindowPoints(impl.parent, &origin, 1);
    wnd->SendMessage(WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}
