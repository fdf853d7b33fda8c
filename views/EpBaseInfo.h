#pragma once
// The "Status" page of the company pages: the shown company's figures, its president's face and the loyalty gauge.

#include "views/InfoBasePageWnd.h"

class CEpBaseInfo : public CInfoBasePageWnd {
public:
    void Refresh() override;
};
