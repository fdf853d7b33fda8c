#pragma once
// The end notification of the music and effect devices. When a piece or an
// effect stops sounding, the window given to Play receives MM_MCINOTIFY with
// one of the flags below in wParam and the device id in lParam.

#include "platform/ui/WinDefs.h"

constexpr UINT MM_MCINOTIFY = 0x03B9;

constexpr WPARAM MCI_NOTIFY_SUCCESSFUL = 0x0001;  // played to its end
constexpr WPARAM MCI_NOTIFY_SUPERSEDED = 0x0002;  // replaced by a new Play of the same device
constexpr WPARAM MCI_NOTIFY_ABORTED = 0x0004;     // stopped or closed before its end
