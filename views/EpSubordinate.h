#pragma once
// The "Director" page of the company pages: the shown company's directors.
// It shows nothing yet: its refresh has nothing to bring up to date.

#include "views/InfoBasePageWnd.h"

class CEpSubordinate : public CInfoBasePageWnd {
public:
    void Refresh() override {}
};
