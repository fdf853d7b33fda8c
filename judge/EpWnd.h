#pragma once
// One company row of the company pane: the name plate on the left, 26
// characters wide, and the data with its bar in the rest of the width.

#include "judge/EpDataWnd.h"
#include "judge/EpNameWnd.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CArboDoc;

class CEpWnd : public CWnd {
public:
    static constexpr int kNameWidthChars = 26;

    explicit CEpWnd(CArboDoc* doc) : m_name(doc, &m_company), m_data(doc) {}

    // The row and its two children; false when a window cannot be made.
    bool CreateRow(CWnd* parent);
    void SetCompany(int company);
    int GetCompany() const { return m_company; }
    CEpDataWnd& GetData() { return m_data; }
    CEpNameWnd& GetName() { return m_name; }

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    int m_company = 0;
    CEpNameWnd m_name;
    CEpDataWnd m_data;
};

}  // namespace judge
