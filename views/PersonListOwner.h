#pragma once
// What the person list and its header read of the person dialog that owns
// them: the person entries (mark flag, director index, available flag,
// extra text), then the outside entries (companies) with their item ids
// and availability, and the header kind (0 name and work, 1 stock).

#include <string>

class IPersonListOwner {
public:
    virtual ~IPersonListOwner() = default;
    virtual int GetPersonEntryCount() const = 0;
    virtual int GetPersonEntryMark(int entry) const = 0;
    virtual int GetPersonEntryPerson(int entry) const = 0;
    virtual int GetPersonEntryAvailable(int entry) const = 0;
    virtual std::string GetPersonEntryText(int entry) const = 0;
    virtual int GetOutsideEntryCount() const = 0;
    // The company index behind list item `item` (an outside entry's item).
    virtual int GetItemId(int item) const = 0;
    // Nonzero: outside entry `entry` (0-based among the outside entries)
    // can be chosen.
    virtual int IsOutsideEntryAvailable(int entry) const = 0;
    virtual int GetHeaderKind() const = 0;
};
