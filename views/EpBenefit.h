#pragma once
// The "Achievement" page of the company pages: the shown company's year and its table of months.

#include "views/InfoBasePageWnd.h"

class CEpBenefit : public CInfoBasePageWnd {
public:
    void Refresh() override;
};
