#pragma once
// The "Stock" page of the company pages: the shown company's stock holdings.
// It shows nothing yet: its refresh has nothing to bring up to date.

#include "views/InfoBasePageWnd.h"

class CEpStocks : public CInfoBasePageWnd {
public:
    void Refresh() override {}
};
