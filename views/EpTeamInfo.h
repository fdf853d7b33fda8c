#pragma once
// The "Team" page of the company pages: the shown company's sports teams.
// It shows nothing yet: its refresh has nothing to bring up to date.

#include "views/InfoBasePageWnd.h"

class CEpTeamInfo : public CInfoBasePageWnd {
public:
    void Refresh() override {}
};
