#pragma once
// Turns Qt's input into queued messages: mouse to the window under it (or
// the one holding the capture), keys to the focus window, the window
// manager's close button to SC_CLOSE, application activation to
// WM_ACTIVATEAPP. Nothing of the program runs inside Qt's event delivery:
// everything is posted and dispatched by our loop.

#include <QPointer>
#include <QWidget>

#include "platform/ui/Messages.h"

class CWindowWidget;
class QMouseEvent;
class QWheelEvent;
class QKeyEvent;

class CInputRouter {
public:
    enum class MouseKind { Press, Release, DoubleClick, Move };

    static void Install();
    static bool IsFromInput(const MSG& msg) { return (msg.lPrivate & 1u) != 0; }
    static void Mouse(CWindowWidget* widget, QMouseEvent* event, MouseKind kind);
    static void Wheel(CWindowWidget* widget, QWheelEvent* event);
    static void Key(CWindowWidget* widget, QKeyEvent* event, bool press);
    static void Close(CWindowWidget* widget);
    // Qt key code to virtual key (0 = none).
    static int VirtualKey(int qtKey);
    // The widget whose cursor SetCursor changes.
    static QWidget* CursorWidget();
};
