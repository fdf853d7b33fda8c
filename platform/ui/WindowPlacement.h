#pragma once
// Where a top-level window sits: its show state and its normal rectangle,
// as stored in the profile ("flags,show,minX,minY,maxX,maxY,left,top,
// right,bottom").

#include <string>

#include "platform/ui/Rect.h"

class CProfile;
class CWnd;

constexpr UINT WPF_RESTORETOMAXIMIZED = 0x0002;

struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = 1;  // SW_SHOWNORMAL
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};

class CWindowPlacement {
public:
    static bool Get(const CWnd* wnd, WINDOWPLACEMENT* placement);
    // Moves the window to the normal rectangle and shows it with showCmd.
    static bool Set(CWnd* wnd, const WINDOWPLACEMENT* placement);

    static std::string Format(const WINDOWPLACEMENT& placement);
    // Exactly ten numbers; anything else is refused and leaves *placement.
    static bool Parse(const std::string& text, WINDOWPLACEMENT* placement);
    static bool Save(CProfile& profile, const std::string& section, const std::string& key,
                     const WINDOWPLACEMENT& placement);
    static bool Load(const CProfile& profile, const std::string& section, const std::string& key,
                     WINDOWPLACEMENT* placement);
};
