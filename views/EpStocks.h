#pragma once
// The "Stock" page of the company pages: for the shown company c, the
// shares of other companies it holds ("Other stocks", highest share of the
// other company first) and who holds its own shares (its treasury shares
// first as "Own company", then the largest holders), under a bar that
// splits c's issued shares among the holders in their colours, white for
// shares no company holds. Ratios are given in per cent with one truncated
// decimal; a company that issued no shares has no ratio and no segments.

#include <string>
#include <vector>

#include "views/PaintedInfoPage.h"

class CDC;
class CVDoc;

class CEpStocks : public CPaintedInfoPage {
public:
    // One line of a table: the company and the shares of `issuer` it holds
    // (or the issuer's shares the shown company holds), with the shares the
    // issuer issued.
    struct SHolding {
        int company;
        long long amount;
        long long issued;
    };
    // A coloured part of the bar, [left, right) in pixels.
    struct SSegment {
        int left, right, company;
    };

    // Holders of c's shares: c first when it holds its own, then the others
    // by amount, largest first, equal amounts in company order.
    static std::vector<SHolding> Holders(CVDoc& doc, int c);
    // The other companies' shares c holds, by the share of the issuer's
    // shares, largest first, equal shares in company order; issuers without
    // issued shares come last.
    static std::vector<SHolding> Holdings(CVDoc& doc, int c);
    // "a x 100 / t" "." "(a x 1000 / t) mod 10"; empty when t <= 0.
    static std::string RatioText(long long amount, long long issued);
    // The bar's segments in a bar `width` pixels wide from `left`: c first,
    // then the other holders in company order; never beyond the bar.
    static std::vector<SSegment> BarSegments(CVDoc& doc, int c, int left, int width);

    void Draw(CDC& dc, int width, int height) const override;

private:
    static void DrawTable(CDC& dc, const CRect& box, const char* firstTitle,
                          const std::vector<SHolding>& rows, int ownCompany);
    static void DrawBar(CDC& dc, CVDoc& doc, int c, const CRect& box);
    static void DrawBarParts(CDC& dc, CVDoc& doc, int c, const CRect& box);
};
