#include "views/BalonWnd.h"

CSize CBalonWnd::Prepare(int /*area*/, int /*x*/, int /*y*/) { return {0, 0}; }
