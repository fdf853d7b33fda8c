#pragma once
// Dialog templates of our own, written as C++ tables: the dialog's caption,
// font, style and size, and its controls, all positions in dialog units
// (4 units to the font's average character width, 8 to its height).
//
//   const DIALOGTEMPLATE kAsk = {
//       400, "Question", "MS Sans Serif", 8,
//       WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 180, 60,
//       {{1, DialogItemKind::Button, nullptr, "OK", WS_VISIBLE | WS_TABSTOP |
//         BS_DEFPUSHBUTTON, 20, 40, 50, 14}, ...}};
//
// Controls are children by nature (WS_CHILD is added); they are shown only
// with WS_VISIBLE, like the windows they become.

#include <vector>

#include "platform/ui/ControlStyles.h"
#include "platform/ui/Styles.h"

enum class DialogItemKind {
    Button,     // push, default, check, radio, group box, owner-drawn (BS_...)
    Static,     // text, frame, picture (SS_...)
    Edit,       // ES_...
    ListBox,    // LBS_...
    ComboBox,   // CBS_...
    ScrollBar,  // SBS_...
    Slider,     // TBS_...
    Tab,        // TCS_...
    Header,     // HDS_...
    Custom      // a window of the registered class `className`
};

struct DIALOGITEM {
    int id = 0;
    DialogItemKind kind = DialogItemKind::Static;
    const char* className = nullptr;  // DialogItemKind::Custom only
    const char* text = "";
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD exStyle = 0;
};

struct DIALOGTEMPLATE {
    int id = 0;
    const char* caption = "";
    const char* fontFace = "MS Sans Serif";
    int pointSize = 8;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    // Position relative to the owner's top-left corner (DS_CENTER centres
    // the dialog on its owner, or on the screen without one).
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::vector<DIALOGITEM> items;
    DWORD exStyle = 0;
};
