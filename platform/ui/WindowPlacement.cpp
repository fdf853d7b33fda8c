#include "platform/ui/WindowPlacement.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/core/Profile.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WndImpl.h"

bool CWindowPlacement::Get(const CWnd* wnd, WINDOWPLACEMENT* placement) {
    if (!wnd || !placement || !wnd->IsWindow()) return false;
    const QWidget* widget = wnd->PlatformImpl().widget.data();
    if (!widget) return false;
    *placement = WINDOWPLACEMENT{};
    if (wnd->IsZoomed()) {
        placement->showCmd = SW_SHOWMAXIMIZED;
        placement->flags = WPF_RESTORETOMAXIMIZED;
    } else if (wnd->IsIconic()) {
        placement->showCmd = SW_SHOWMINIMIZED;
    } else {
        placement->showCmd = wnd->IsWindowVisible() ? SW_SHOWNORMAL : SW_HIDE;
    }
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    if (placement->showCmd == SW_SHOWMAXIMIZED || placement->showCmd == SW_SHOWMINIMIZED) {
        const QRect normal = widget->normalGeometry();
        placement->rcNormalPosition = CUiSystem::FromQRect(normal);
    } else {
        CRect r;
        wnd->GetWindowRect(&r);
        placement->rcNormalPosition = r;
    }
    return true;
}

bool CWindowPlacement::Set(CWnd* wnd, const WINDOWPLACEMENT* placement) {
    if (!wnd || !placement || !wnd->IsWindow()) return false;
    const CRect r(placement->rcNormalPosition);
    if (!r.IsRectEmpty()) wnd->MoveWindow(r);
    wnd->ShowWindow(static_cast<int>(placement->showCmd));
    return true;
}

std::string CWindowPlacement::Format(const WINDOWPLACEMENT& p) {
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd,
                  p.ptMinPosition.x, p.ptMinPosition.y, p.ptMaxPosition.x, p.ptMaxPosition.y,
                  p.rcNormalPosition.left, p.rcNormalPosition.top, p.rcNormalPosition.right,
                  p.rcNormalPosition.bottom);
    return text;
}

bool CWindowPlacement::Parse(const std::string& text, WINDOWPLACEMENT* placement) {
    if (!placement) return false;
    std::vector<long> numbers;
    const char* p = text.c_str();
    while (*p) {
        char* end = nullptr;
        const long value = std::strtol(p, &end, 10);
        if (end == p || value < -1000000 || value > 1000000) return false;
        numbers.push_back(value);
        p = end;
        if (*p == ',')
            ++p;
        else if (*p)
            return false;
    }
    if (numbers.size() != 10) return false;
    // The flags and the show command are unsigned: a negative one would be
    // written back as a number no reader takes.
    if (numbers[0] < 0 || numbers[1] < 0) return false;
    WINDOWPLACEMENT w;
    w.flags = static_cast<UINT>(numbers[0]);
    w.showCmd = static_cast<UINT>(numbers[1]);
    w.ptMinPosition = POINT{static_cast<LONG>(numbers[2]), static_cast<LONG>(numbers[3])};
    w.ptMaxPosition = POINT{static_cast<LONG>(numbers[4]), static_cast<LONG>(numbers[5])};
    w.rcNormalPosition = CRect(static_cast<int>(numbers[6]), static_cast<int>(numbers[7]),
                               static_cast<int>(numbers[8]), static_cast<int>(numbers[9]));
    *placement = w;
    return true;
}

bool CWindowPlacement::Save(CProfile& profile, const std::string& section, const std::string& key,
                            const WINDOWPLACEMENT& placement) {
    return profile.WriteProfileString(section, key, Format(placement));
}

bool CWindowPlacement::Load(const CProfile& profile, const std::string& section,
                            const std::string& key, WINDOWPLACEMENT* placement) {
    return Parse(profile.GetProfileString(section, key, ""), placement);
}
