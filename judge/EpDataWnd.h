#pragma once
// The data part of a company row: the company's rank, value, points and
// bonus on the current judgment page above a bar that counts up to the
// company's share of the page's largest value.

#include <cstdint>
#include <string>

#include "judge/GraphBarWnd.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CArboDoc;

class CEpDataWnd : public CWnd {
public:
    static constexpr UINT kBarId = 1000;
    static constexpr int kBarFull = 1000;

    // The bar of a company with raw value g on a page whose largest raw
    // value is m, at p per cent of the count-up.
    struct SBar {
        int minimum;
        int maximum;
        int value;
    };
    static SBar ComputeBar(int64_t g, int64_t m, int p);
    // The page value as the row shows it.
    static std::string FormatPageValue(int page, int value);

    explicit CEpDataWnd(CArboDoc* doc) : m_doc(doc) {}

    // Makes the bar child; false when it cannot be made.
    bool CreateBar();
    void SetCompany(int company);
    int GetCompany() const { return m_company; }
    // Sets the bar from the current page and count-up and repaints it.
    void UpdateBar();
    // Shows or hides the row's texts; repaints at once.
    void SetTextShown(bool shown);
    bool IsTextShown() const { return m_textShown; }
    CGraphBarWnd& GetBar() { return m_bar; }
    // The texts above the bar, drawn into dc at the client's origin.
    void DrawTexts(CDC& dc);

protected:
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CArboDoc* m_doc;
    int m_company = 0;
    bool m_textShown = false;
    CGraphBarWnd m_bar;
};

}  // namespace judge
