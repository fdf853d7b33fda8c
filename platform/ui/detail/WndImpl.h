#pragma once
// The state behind a CWnd, shared by the window, loop, input and drawing
// code of the platform layer.

#include <QMargins>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>
#include <any>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/WindowWidget.h"

struct CScrollBarState {
    SCROLLINFO info;
    bool shown = false;
    bool enabled = true;
    QPointer<QScrollBar> bar;
};

struct CWnd::Impl {
    QPointer<CWindowWidget> widget;
    bool created = false;
    bool placing = false;  // our own geometry change is under way

    UINT classStyle = 0;
    HCURSOR classCursor = nullptr;
    int classBackground = 0;  // system colour index + 1; 0 = no background

    DWORD style = 0;
    DWORD exStyle = 0;
    UINT id = 0;
    CWnd* parent = nullptr;
    CWnd* owner = nullptr;
    std::vector<CWnd*> children;
    std::string text;
    CFont* font = nullptr;  // WM_SETFONT; nullptr = the default GUI font
    // What a standard control knows (items, check state, ...). It lives with
    // the window, not with the object, so that an object that takes the
    // window over (subclassing) finds it.
    std::any controlState;

    QRegion invalid;  // client coordinates
    bool erasePending = false;
    uint64_t paintEpoch = 0;

    bool systemClose = true;
    int menuBarHeight = 0;  // a frame's menu bar, above the client area
    CScrollBarState bars[2];

    bool modalRunning = false;
    bool modalEnded = false;
    int modalResult = 0;

    std::vector<std::unique_ptr<CDC>> paintDCs;  // BeginPaint .. EndPaint

    UINT curMessage = 0;
    WPARAM curWParam = 0;
    LPARAM curLParam = 0;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    // Top-level windows with a caption or a sizing frame get the window
    // manager's frame; everything else draws its own border.
    bool NativeFrame() const {
        if (IsChild()) return false;
        return !(style & WS_POPUP) || (style & WS_CAPTION) == WS_CAPTION || (style & WS_THICKFRAME);
    }
    int BorderWidth() const;
    int CaptionHeight() const;
    // Space around the client area inside the widget.
    QMargins NonClient() const;
    QRect ClientInWidget() const;
};
