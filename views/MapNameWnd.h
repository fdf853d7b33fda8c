#pragma once
// The name window: the small window in the map window that names the shown
// area. For now a window of its class.

#include "platform/ui/Wnd.h"

class CMapNameWnd : public CWnd {};
