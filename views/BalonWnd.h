#pragma once
// The information balloon that tells about the cell under the mouse. For
// now a pop-up window of its class.

#include "platform/ui/Wnd.h"

class CBalonWnd : public CWnd {};
