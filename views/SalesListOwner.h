#pragma once
// What the sales ranking reads of the proceeds dialog that owns it: its
// records in ranking order, each a company with its year's figures.

class ISalesListOwner {
public:
    struct SRecord {
        int company = -1;
        int sales = 0;
        int salary = 0;
        int advertising = 0;
        int profit = 0;
    };

    virtual ~ISalesListOwner() = default;
    virtual int GetSalesRecordCount() const = 0;
    // False outside the records.
    virtual bool GetSalesRecord(int record, SRecord& out) const = 0;
};
