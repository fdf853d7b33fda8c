#pragma once
// Window classes by name: the background a window is erased with, the
// cursor shown over its client area and the class style (double clicks,
// save-bits).

#include <string>

#include "platform/ui/WinDefs.h"

class CCursor;
using HCURSOR = const CCursor*;

struct CWndClassInfo {
    std::string name;
    UINT style = 0;
    HCURSOR cursor = nullptr;
    // A system colour index + 1 (COLOR_WINDOW + 1, ...); 0 = not erased.
    int background = 0;
};

class CWndClassRegistry {
public:
    // Fails for an empty or an already registered name.
    static bool Register(const CWndClassInfo& info);
    static bool IsRegistered(const std::string& name);
    // nullptr or "" gives the default class (arrow cursor, no background).
    static const CWndClassInfo* Find(const char* name);
    static void Unregister(const std::string& name);
};
