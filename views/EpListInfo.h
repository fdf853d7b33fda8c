#pragma once
// The "Company list" page of the company pages: every company of the game
// in one sortable table under the count of participating companies. The
// wheel scrolls it only while the frame's shown company is company 0.

#include "views/EpListInfoWnd.h"
#include "views/SortedTablePage.h"

class CEpListInfo : public CSortedTablePage {
public:
    static constexpr UINT kHeaderId = 2010;
    static constexpr UINT kBodyId = 2011;
    static constexpr UINT kScrollBarId = 2012;

    CEpListInfo();

    // A viewing company beyond the last company switches the frame to
    // company 0 instead.
    void Refresh() override;
    CEpListInfoWnd& GetListBody() { return m_body; }

protected:
    int DefaultWidthUnit() const override;
    int HeaderTopFor(CSize layout) const override;
    bool TakesWheel() const override;
    void DrawTitle(CDC& dc, int width) const override;

private:
    CEpListInfoWnd m_body;
};
