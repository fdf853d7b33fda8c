#pragma once
// What the structure list reads of the construction dialog that owns it:
// its entries, each a structure type (an index into the map's structure
// types) and whether the company can build it now.

class IStructureListOwner {
public:
    virtual ~IStructureListOwner() = default;
    virtual int GetStructureEntryCount() const = 0;
    // -1 outside the entries.
    virtual int GetStructureEntryType(int entry) const = 0;
    // Nonzero: the entry can be chosen.
    virtual int GetStructureEntryAvailable(int entry) const = 0;
};
