#pragma once
// The name plate of a company row: the company's mark and name and its
// president's name. The company is the parent row's.

#include "platform/ui/Wnd.h"

namespace judge {

class CArboDoc;

class CEpNameWnd : public CWnd {
public:
    CEpNameWnd(CArboDoc* doc, const int* company) : m_doc(doc), m_company(company) {}

protected:
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CArboDoc* m_doc;
    const int* m_company;
};

}  // namespace judge
