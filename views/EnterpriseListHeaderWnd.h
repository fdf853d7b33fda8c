#pragma once
// The title strip above a company list: the name column's and the value
// column's titles.

#include <string>

#include "views/HeaderStripWnd.h"

class CEnterpriseListHeaderWnd : public CHeaderStripWnd {
public:
    void SetTitles(const std::string& nameTitle, const std::string& valueTitle);
    const std::string& GetNameTitle() const { return m_nameTitle; }
    const std::string& GetValueTitle() const { return m_valueTitle; }

    // Draws the strip into a client area of the given size.
    void Draw(CDC& dc, const CRect& client) const override;

private:
    std::string m_valueTitle;
    std::string m_nameTitle;
};
