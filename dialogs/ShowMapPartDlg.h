#pragma once
// "Partial Map Display": limits the drawn map to part of its rows and can
// show the terrain alone, driving the map window while it is open. The
// caller returns the map to its full display afterwards.

#include "dialogs/StandInDialog.h"

class CShowMapPartDlg : public CStandInDialog {
public:
    CShowMapPartDlg() : CStandInDialog("Partial Map Display") {}
};
