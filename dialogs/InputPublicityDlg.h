#pragma once
// "Adjust Advertising Cost": the company's monthly advertising cost, the
// present one on entry and the new one after OK.

#include "dialogs/StandInDialog.h"

class CInputPublicityDlg : public CStandInDialog {
public:
    CInputPublicityDlg() : CStandInDialog("Adjust Advertising Cost") {}
    void SetCost(int cost) { m_cost = cost; }
    int GetCost() const { return m_cost; }

private:
    int m_cost = 0;
};
