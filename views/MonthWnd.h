#pragma once
// The month display of the area selection window. For now it draws only
// its class background.

#include "platform/ui/Wnd.h"

class CMonthWnd : public CWnd {};
