#pragma once
// Stand-ins for the dialogs that own the tables: plain tables of entries
// that the tests fill, and a helper that draws one item of a list onto a
// canvas the way the list box asks for it.

#include <string>
#include <vector>

#include "platform/ui/ControlMessages.h"
#include "views/PersonListOwner.h"
#include "views/PictureFixture.h"
#include "views/StructureListOwner.h"

struct CStructureOwnerStub : IStructureListOwner {
    struct SEntry {
        int type;
        int available;
    };
    std::vector<SEntry> entries;
    int GetStructureEntryCount() const override { return static_cast<int>(entries.size()); }
    int GetStructureEntryType(int e) const override { return In(e) ? entries[size_t(e)].type : -1; }
    int GetStructureEntryAvailable(int e) const override { return In(e) ? entries[size_t(e)].available : 0; }
    bool In(int e) const { return e >= 0 && e < GetStructureEntryCount(); }
};

struct CPersonOwnerStub : IPersonListOwner {
    struct SPerson {
        int mark;
        int person;
        int available;
        std::string text;
    };
    struct SOutside {
        int company;
        int available;
    };
    std::vector<SPerson> persons;
    std::vector<SOutside> outside;
    int headerKind = 0;
    int GetPersonEntryCount() const override { return static_cast<int>(persons.size()); }
    int GetPersonEntryMark(int e) const override { return persons.at(size_t(e)).mark; }
    int GetPersonEntryPerson(int e) const override { return persons.at(size_t(e)).person; }
    int GetPersonEntryAvailable(int e) const override { return persons.at(size_t(e)).available; }
    std::string GetPersonEntryText(int e) const override { return persons.at(size_t(e)).text; }
    int GetOutsideEntryCount() const override { return static_cast<int>(outside.size()); }
    int GetItemId(int item) const override {
        return outside.at(size_t(item - GetPersonEntryCount())).company;
    }
    int IsOutsideEntryAvailable(int e) const override { return outside.at(size_t(e)).available; }
    int GetHeaderKind() const override { return headerKind; }
};

// Draws item `item` of an owner-drawn control into rect of the canvas.
template <class List>
void DrawListItem(List& list, CBlockCanvas& canvas, int item, const CRect& rect, bool selected,
                  bool focused = false) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.itemID = static_cast<UINT>(item);
    dis.itemState = (selected ? ODS_SELECTED : 0u) | (focused ? ODS_FOCUS : 0u);
    dis.hDC = &canvas.DC();
    dis.rcItem = rect;
    list.DrawItem(&dis);
}

#include "views/LeagueListOwner.h"
#include "views/ProTeamListOwner.h"

struct CLeagueOwnerStub : ILeagueListOwner {
    int mode = kModeStandings;
    int league = 0;
    const CMapDoc* map = nullptr;
    const CEnterprise* buyer = nullptr;
    int budget = 0;
    int usable[3] = {1, 1, 1};
    int GetMode() const override { return mode; }
    int GetLeagueIndex() const override { return league; }
    const CMapDoc* GetMapDoc() const override { return map; }
    // The rows in reverse order, as a dialog sorting by rank may give them.
    int GetTeamOfRow(int row) const override { return teamCount - 1 - row; }
    const CEnterprise* GetBuyer() const override { return buyer; }
    int GetBudget() const override { return budget; }
    int IsLeagueUsable(int l) const override { return l >= 0 && l < 3 ? usable[l] : 0; }
    int teamCount = 0;
};

struct CProTeamOwnerStub : IProTeamListOwner {
    struct SRow {
        int league, team;
    };
    int mode = 0;
    std::vector<SRow> rows;
    int GetMode() const override { return mode; }
    int GetRowCount() const override { return static_cast<int>(rows.size()); }
    int GetRowLeague(int row) const override { return rows.at(size_t(row)).league; }
    int GetRowTeam(int row) const override { return rows.at(size_t(row)).team; }
};

#include "model/PropertyData.h"
#include "views/PropertyListOwner.h"
#include "views/SalesListOwner.h"

// The portfolio dialog's five title buttons side by side.
struct CPropertyOwnerStub : IPropertyListOwner {
    std::vector<CPropertyData> lots;
    int GetPropertyCount() const override { return static_cast<int>(lots.size()); }
    const CPropertyData* GetProperty(int e) const override {
        return e >= 0 && e < GetPropertyCount() ? &lots[size_t(e)] : nullptr;
    }
    CRect GetTitleRect(int column) const override {
        static const int kLeft[] = {10, 190, 280, 370, 460};
        static const int kWidth[] = {180, 90, 90, 90, 80};
        return CRect(kLeft[column], 5, kLeft[column] + kWidth[column], 25);
    }
};

struct CSalesOwnerStub : ISalesListOwner {
    std::vector<SRecord> records;
    int GetSalesRecordCount() const override { return static_cast<int>(records.size()); }
    bool GetSalesRecord(int r, SRecord& out) const override {
        if (r < 0 || r >= GetSalesRecordCount()) return false;
        out = records[size_t(r)];
        return true;
    }
};
