#pragma once
// A company's lots as the portfolio dialog shows them, in the columns of
// the dialog's title buttons: the name, the price ("-" when the lot cannot
// be traded) and, for a lot with a structure, its proceeds, profit and
// life span.

#include <array>
#include <string>

#include "views/OwnerDrawList.h"

class CPropertyData;
class IPropertyListOwner;

class CPropertyListBox : public COwnerDrawList {
public:
    using Texts = std::array<std::string, 5>;

    void SetOwnerDialog(const IPropertyListOwner* owner) { m_owner = owner; }
    // One text-high item per entry of the owner.
    void Fill();

    // The five column texts of a row: kind nonzero for a lot with a
    // structure; values are the price, proceeds, profit and life span.
    static Texts ColumnTexts(int kind, const std::string& landName, const std::string& structureName,
                             const int (&values)[4]);
    static Texts ColumnTexts(const CPropertyData& lot);
    // Column i of a row: placed as its title button is, five pixels
    // narrower, cut at the row's right edge.
    CRect ColumnRect(int column, const CRect& row) const;
    int StateOfRow(int row, bool selected) const override;

protected:
    bool HasRow(int row) const override;
    void DrawRow(CDC& dc, int row, const CRect& rect, int state) const override;

private:
    const IPropertyListOwner* m_owner = nullptr;
};
