#pragma once
// What the property list reads of the portfolio dialog that owns it: its
// lots, and where its five column title buttons ("Name", "Price",
// "Proceeds", "Profit", "Life Span") stand, which the columns follow.

#include "platform/gfx/Rect.h"

class CPropertyData;

class IPropertyListOwner {
public:
    static constexpr int kColumnCount = 5;

    virtual ~IPropertyListOwner() = default;
    virtual int GetPropertyCount() const = 0;
    // nullptr outside the entries.
    virtual const CPropertyData* GetProperty(int entry) const = 0;
    // The title button of column 0..4, in the dialog's coordinates.
    virtual CRect GetTitleRect(int column) const = 0;
};
