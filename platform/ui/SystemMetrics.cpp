#include "platform/ui/SystemMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <array>
#include <memory>

#include "platform/gfx/SystemColors.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Styles.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

QRect ScreenRect(bool available) {
    CUiSystem::Ensure();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QRect(0, 0, 1024, 768);
    return available ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

COLORREF CSystemMetrics::Color(int index) {
    return CSystemColors::Color(index);
}

CBrush* CSystemMetrics::ColorBrush(int index) {
    static std::array<std::unique_ptr<CBrush>, CSystemColors::kCount> brushes;
    if (index < 0 || index >= CSystemColors::kCount) return nullptr;
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
