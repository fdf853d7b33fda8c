#pragma once
// The "Director" page of the company pages: the shown company's directors
// in a sortable table under the company's title and the counts of all
// ("Total:") and of busy ("Active:") directors. Nothing is laid out or
// scrolled while no company is shown.

#include "views/SortedTablePage.h"
#include "views/SubordinateListWnd.h"

class CEpSubordinate : public CSortedTablePage {
public:
    static constexpr UINT kScrollBarId = 2001;
    static constexpr UINT kHeaderId = 2002;
    static constexpr UINT kBodyId = 2003;

    CEpSubordinate();

    // The directors with a task.
    static int ActiveCount(const CEnterprise& company);

    CSubordinateListWnd& GetListBody() { return m_body; }

protected:
    int DefaultWidthUnit() const override;
    int HeaderTopFor(CSize layout) const override;
    bool CanLayout() const override;
    bool TakesWheel() const override;
    void SortBody() override;
    void DrawTitle(CDC& dc, int width) const override;

private:
    CSubordinateListWnd m_body;
};
