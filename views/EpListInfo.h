#pragma once
// The "Company list" page of the company pages: every company in one table.
// It shows nothing yet: its refresh has nothing to bring up to date.

#include "views/InfoBasePageWnd.h"

class CEpListInfo : public CInfoBasePageWnd {
public:
    void Refresh() override {}
};
