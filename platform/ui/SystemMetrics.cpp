#include "platform/ui/SystemMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <array>
#include <memory>

#include "platform/ui/Brush.h"
#include "platform/ui/Styles.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

constexpr int kColorCount = 25;

constexpr std::array<COLORREF, kColorCount> kColors = {
    RGB(200, 200, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop
    RGB(36, 72, 128),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(49, 106, 197),   // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(227, 224, 218),  // 3-D light
    RGB(0, 0, 0),        // tool tip text
    RGB(255, 255, 225),  // tool tip background
};

QRect ScreenRect(bool available) {
    CUiSystem::Ensure();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QRect(0, 0, 1024, 768);
    return available ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

COLORREF CSystemMetrics::Color(int index) {
    if (index < 0 || index >= kColorCount) return 0;
    return kColors[static_cast<size_t>(index)];
}

CBrush* CSystemMetrics::ColorBrush(int index) {
    static std::array<std::unique_ptr<CBrush>, kColorCount> brushes;
    if (index < 0 || index >= kColorCount) return nullptr;
    auto& brush = brushes[static_cast<size_t>(index)];
    if (!brush) {
        brush = std::make_unique<CBrush>();
        brush->CreateSolidBrush(Color(index));
    }
    return brush.get();
}

int CSystemMetrics::Metric(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return ScreenRect(false).width();
        case SM_CYSCREEN:
            return ScreenRect(false).height();
        case SM_CXFULLSCREEN:
            return ScreenRect(true).width();
        case SM_CYFULLSCREEN:
            return ScreenRect(true).height() - Metric(SM_CYCAPTION);
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
            return 16;
        case SM_CYCAPTION:
            return 20;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return 3;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return 4;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return 2;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR:
            return 32;
        case SM_CYMENU:
            return 20;
        case SM_CXMIN:
            return 112;
        case SM_CYMIN:
            return 27;
        default:
            return 0;
    }
}
