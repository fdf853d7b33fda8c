#pragma once
// "Construction - Building Selection": the structure types the construction
// command offers, each with whether the company can build it now, and the
// funds and employees the company has. After OK the current entry's
// structure type is the choice.

#include <vector>

#include "dialogs/StandInDialog.h"

class CVDoc;

class CDlgInputStructure : public CStandInDialog {
public:
    struct SEntry {
        int structureType = -1;
        int buildable = 0;
        bool operator==(const SEntry&) const = default;
    };

    explicit CDlgInputStructure(CVDoc* doc)
        : CStandInDialog("Construction - Building Selection"), m_doc(doc) {}

    // Appends an entry: 1.
    int AddStructure(int structureType, int buildable);
    int GetEntryCount() const { return static_cast<int>(m_entries.size()); }
    // The entry i; an empty entry outside the table.
    SEntry GetEntry(int i) const;
    void SetFunds(int funds) { m_funds = funds; }
    void SetEmployees(int employees) { m_employees = employees; }
    int GetFunds() const { return m_funds; }
    int GetEmployees() const { return m_employees; }
    CVDoc* GetDocument() const { return m_doc; }

    // The entry shown: the first buildable one, else entry 0 (-1 while the
    // table is empty), until the player steps to another.
    int GetCurrentEntry() const;
    void SelectEntry(int i);
    // The structure type of the current entry; -1 without one.
    int GetSelectedStructure() const;

private:
    CVDoc* m_doc;
    std::vector<SEntry> m_entries;
    int m_current = -1;
    int m_funds = 0;
    int m_employees = 0;
};
