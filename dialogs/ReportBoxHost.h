#pragma once
// What the report box needs of the application to paint its text: the
// company colour marks before company names.

#include "platform/ui/Size.h"

class CDC;

class IReportBoxHost {
public:
    virtual ~IReportBoxHost() = default;
    // Draws the mark of company colour `colour` with its top-left corner
    // at (x, y).
    virtual void DrawColorMark(CDC& dc, int x, int y, int colour) = 0;
    virtual CSize GetMarkSize() const = 0;
};
