#pragma once
// The application's colour marks for the report box.

#include "dialogs/ReportBoxHost.h"

class CReportBoxMarks : public IReportBoxHost {
public:
    void DrawColorMark(CDC& dc, int x, int y, int colour) override;
    CSize GetMarkSize() const override;
};
