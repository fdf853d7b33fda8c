#pragma once
// The private messages the building blocks post to their parent windows,
// without lParam.

#include "platform/ui/Messages.h"

// A button scroll bar moved: wParam is the new position.
constexpr UINT WM_BLOCK_SCROLLED = 0x505;
// A header column's divider drag ended.
constexpr UINT WM_BLOCK_HEADER_RESIZED = 0x50A;
// A header column was clicked: wParam is the column.
constexpr UINT WM_BLOCK_HEADER_CLICKED = 0x50B;
// A line of a text window was clicked: wParam is the line + 1.
constexpr UINT WM_BLOCK_LINE_CLICKED = 0x50C;
