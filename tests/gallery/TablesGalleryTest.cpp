// The dialogs' tables as a person sees them, on a new game of the authored
// map: each list under its header strip with available, unavailable,
// selected and focused rows — the company list, the structure list of
// every structure type, the person list with both header kinds, the league
// table in its three modes, a company's teams, the property list, the
// sales ranking with its scroll bar and a plain list.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fakes/GalleryFolder.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/ProTeam.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/EnterpriseListBox.h"
#include "views/EnterpriseListHeaderWnd.h"
#include "views/ExpressSalesList.h"
#include "views/LeagueHeaderWnd.h"
#include "views/LeagueListBox.h"
#include "views/MyListBox.h"
#include "views/OwnerRow.h"
#include "views/ProTeamHeaderWnd.h"
#include "views/ProTeamListBox.h"
#include "views/PropertyListBox.h"
#include "views/StructureHeaderWnd.h"
#include "views/StructureListBox.h"
#include "views/SubordinateHeaderWnd.h"
#include "views/SubordinateListBox.h"
#include "views/TableOwners.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY;

// How a row is drawn in the gallery.
struct SLook {
    bool selected = false;
    bool focused = false;
};

class TablesGalleryTest : public PictureWndTest {
protected:
    // A sheet on the button face: captions, header strips and rows are
    // drawn on it one below the other.
    struct Sheet {
        Sheet(int w, int h) : canvas(w, h), width(w) {
            canvas.DC().FillSolidRect(0, 0, w, h, GetSysColor(COLOR_BTNFACE));
        }
        CBlockCanvas canvas;
        int width;
        int y = 8;
    };
    void Caption(Sheet& sheet, const std::string& text) {
        CDC& dc = sheet.canvas.DC();
        CFont* previous = dc.SelectObject(host.fonts.GetUIFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc.TextOut(10, sheet.y, text);
        dc.SelectObject(previous);
        sheet.y += host.fonts.GetCaptionLineSize().cy + 4;
    }
    template <class Header>
    void DrawHeader(Sheet& sheet, const Header& header, int width) {
        const int height = OwnerRow::LayoutSize().cy + 4;
        header.Draw(sheet.canvas.DC(), CRect(10, sheet.y, 10 + width, sheet.y + height));
        sheet.y += height + 1;
    }
    // The list's rows in the looks given (rows beyond them plain), framed
    // as the list box frames them.
    template <class List>
    void DrawRows(Sheet& sheet, List& list, int width, const std::vector<SLook>& looks) {
        const int top = sheet.y;
        for (int row = 0; row < list.GetCount(); ++row) {
            const SLook look = row < static_cast<int>(looks.size()) ? looks[size_t(row)] : SLook{};
            const int height = list.GetItemHeight(row);
            DrawListItem(list, sheet.canvas, row, CRect(10, sheet.y, 10 + width, sheet.y + height), look.selected,
                         look.focused);
            sheet.y += height;
        }
        Draw3DFrame(sheet.canvas.DC(), CRect(9, top - 1, 11 + width, sheet.y + 1), TRUE);
        sheet.y += 14;
    }
    void CreateList(CListBox& list, UINT id) {
        ASSERT_TRUE(list.Create(kListStyle, CRect(0, 0, 300, 100), &parent, id));
    }
    void Save(CBlockCanvas& canvas, const char* name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(canvas.SaveToPng(png.string())) << png;
    }
    const std::vector<SLook> kFourLooks = {{true, true}, {}, {}, {true, false}};
    int Cw() { return OwnerRow::LayoutSize().cx; }
};

TEST_F(TablesGalleryTest, CompanyLists) {
    const int width = 42 * Cw();
    Sheet sheet(width + 20, 420);
    struct SList {
        const char* caption;
        const char* name;
        const char* value;
        bool stock;
    } lists[] = {
        {"Stock sale: selected and focused, available, unavailable, selected unavailable", "Company name",
         " Price Quantity", true},
        {"Real-estate sale", "Company name", "Funds", false},
    };
    UINT id = 200;
    for (const SList& l : lists) {
        Caption(sheet, l.caption);
        CEnterpriseListHeaderWnd header;
        header.SetTitles(l.name, l.value);
        DrawHeader(sheet, header, width);
        CEnterpriseListBox list;
        CreateList(list, id++);
        for (int c = 0; c < doc.GetCompanyCount(); ++c) {
            const std::string value = l.stock ? OwnerRow::Format("%4d", 120 + 35 * c) + OwnerRow::Format(" %4d", 40 * (c + 1))
                                              : std::to_string(doc.GetEnterprise(c)->GetFunds());
            list.AddRow(c, value, l.stock || c % 2 == 0 ? (c < 2 ? 1 : 0) : 0);
        }
        list.Fill();
        DrawRows(sheet, list, width, kFourLooks);
    }
    Save(sheet.canvas, "tables_company_list.png");
}

TEST_F(TablesGalleryTest, StructureList) {
    const CMapDoc& map = doc.GetMap();
    CStructureOwnerStub owner;
    for (int t = 0; t < map.GetStructureTypeCount(); ++t) owner.entries.push_back({t, t % 3 != 1});
    CStructureListBox list;
    list.SetOwnerDialog(&owner);
    CreateList(list, 200);
    list.Fill();
    const int width = 50 * Cw();
    int height = 60;
    for (int row = 0; row < list.GetCount(); ++row) height += list.GetItemHeight(row);
    Sheet sheet(width + 20, height + 40);
    Caption(sheet, "Every structure type, view direction " + std::to_string(doc.GetViewDirection()) +
                       "; every third one unavailable");
    DrawHeader(sheet, CStructureHeaderWnd(), width);
    DrawRows(sheet, list, width, {{}, {}, {true, true}, {}, {true, false}});
    Save(sheet.canvas, "tables_structure_list.png");
}

TEST_F(TablesGalleryTest, PersonLists) {
    int employed = -1, free = -1;
    for (int p = 0; p < doc.GetDirectorTableSize(); ++p) {
        if (doc.GetDirector(p)->GetEmployer() >= 0 && employed < 0) employed = p;
        if (doc.GetDirector(p)->GetEmployer() < 0 && free < 0) free = p;
    }
    ASSERT_GE(employed, 0);
    ASSERT_GE(free, 0);
    const int width = 48 * Cw();
    Sheet sheet(width + 20, 420);
    for (int kind : {0, 1}) {
        CPersonOwnerStub owner;
        owner.headerKind = kind;
        if (kind == 0) {
            owner.persons = {{1, employed, 1, "Sales in Center"},
                             {1, free, 1, ""},
                             {0, employed + 1, 0, "Busy"},
                             {0, free + 1, 1, "Free"}};
            owner.outside = {{1, 1}, {2, 0}};
        } else {
            owner.persons = {{1, employed, 1, "1,200"}, {1, employed + 2, 0, "300"}};
            owner.outside = {{0, 1}, {3, 1}};
        }
        Caption(sheet, kind == 0 ? "Header kind 0: marked, employer-less, unmarked and outside entries"
                                 : "Header kind 1: stock holders");
        CSubordinateHeaderWnd header;
        header.SetOwnerDialog(&owner);
        DrawHeader(sheet, header, width);
        CSubordinateListBox list;
        list.SetOwnerDialog(&owner);
        CreateList(list, 200 + kind);
        list.Fill();
        DrawRows(sheet, list, width, {{}, {true, true}, {}, {}, {}, {true, false}});
    }
    Save(sheet.canvas, "tables_person_list.png");
}

TEST_F(TablesGalleryTest, LeagueTable) {
    CMapDoc& map = doc.GetMap();
    CLeague& league = map.GetLeague(0);
    const int teams = league.GetTeamCount();
    ASSERT_GE(teams, 4);
    for (int t = 0; t < teams; ++t) {
        CProTeam& team = league.GetTeam(t);
        for (int g = 0; g < t + 2; ++g) team.AddWin(2);
        for (int g = 0; g < teams - t; ++g) team.AddLoss();
        team.AddDraw(1);
        team.SetRank(teams - 1 - t);
    }
    league.GetTeam(0).SetOwner(1);
    league.GetTeam(1).SetForSale(1);
    league.GetTeam(1).SetOwner(-1);
    league.GetTeam(2).SetForSale(1);
    league.GetTeam(2).SetOwner(-1);
    league.GetTeam(3).SetForSale(0);
    league.GetTeam(3).SetOwner(-1);
    const int width = 92 * Cw();
    Sheet sheet(width + 20, 40 + 3 * (teams + 3) * 22);
    CLeagueOwnerStub owner;
    owner.map = &map;
    owner.teamCount = teams;
    owner.buyer = doc.GetEnterprise(0);
    owner.budget = std::max(league.GetTeamPrice(1), league.GetTeamPrice(2)) - 1;
    const char* captions[] = {"Mode 0: standings (the selection is not shown)", "Mode 1: a proposal received",
                              "Mode 2: purchase; owned, priced, unaffordable and withheld teams"};
    for (int mode = 0; mode < 3; ++mode) {
        for (int t = 0; t < teams; ++t) league.SetRankedByRate(mode == 1);
        owner.mode = mode;
        Caption(sheet, captions[mode]);
        CLeagueHeaderWnd header;
        header.SetOwnerDialog(&owner);
        DrawHeader(sheet, header, width);
        CLeagueListBox list;
        list.SetOwnerDialog(&owner);
        CreateList(list, 200 + mode);
        list.Fill();
        std::vector<SLook> looks(static_cast<size_t>(teams));
        looks[size_t(teams - 2)] = {true, true};
        looks[0] = {true, false};
        DrawRows(sheet, list, width, looks);
    }
    Save(sheet.canvas, "tables_league.png");
}

TEST_F(TablesGalleryTest, ProTeamTable) {
    CMapDoc& map = doc.GetMap();
    CProTeamOwnerStub owner;
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        if (map.GetLeague(l).GetTeamCount() > 1) owner.rows.push_back({l, 1});
    ASSERT_FALSE(owner.rows.empty());
    const CProTeam& first = map.GetProTeam(owner.rows[0].league, owner.rows[0].team);
    doc.GetArea(first.GetHomeArea())->SetCellOwner(first.GetHomeX(), first.GetHomeY(), 2);
    const int width = 96 * Cw();
    Sheet sheet(width + 20, 300);
    for (int mode : {0, 2}) {
        owner.mode = mode;
        Caption(sheet, mode == 0 ? "Mode 0: results" : "Mode 2: choosing a home field");
        CProTeamHeaderWnd header;
        header.SetOwnerDialog(&owner);
        DrawHeader(sheet, header, width);
        CProTeamListBox list;
        list.SetOwnerDialog(&owner);
        CreateList(list, 200 + mode);
        list.Fill();
        DrawRows(sheet, list, width, {{true, true}});
    }
    Save(sheet.canvas, "tables_proteam.png");
}

TEST_F(TablesGalleryTest, PropertyList) {
    CPropertyOwnerStub owner;
    const CMapDoc& map = doc.GetMap();
    const CMapData& area = map.GetArea(0);
    int built = 0, bare = 0;
    for (int y = 0; y < area.GetHeight() && built + bare < 7; ++y)
        for (int x = 0; x < area.GetWidth() && built + bare < 7; x += 3) {
            const bool hasStructure = map.GetCellStructureType(0, x, y, 0) != nullptr;
            if (hasStructure ? built >= 5 : bare >= 2) continue;
            CPropertyData lot;
            lot.SetFromLot(0, x, y);
            owner.lots.push_back(lot);
            (hasStructure ? built : bare)++;
        }
    const int width = 540;
    Sheet sheet(width + 20, 300);
    Caption(sheet, "Real Estate Portfolio: the columns follow the title buttons");
    const char* titles[] = {"Name", "Price", "Proceeds", "Profit", "Life Span"};
    CDC& dc = sheet.canvas.DC();
    for (int c = 0; c < 5; ++c) {
        CRect button = owner.GetTitleRect(c);
        button.OffsetRect(0, sheet.y - 5);
        DrawButtonFace(dc, button, 0, FALSE);
        CFont* previous = dc.SelectObject(host.fonts.GetMessageFont());
        DrawTextInRect(dc, titles[c], button, 1, FALSE, 0, -1);
        dc.SelectObject(previous);
    }
    sheet.y += 24;
    CPropertyListBox list;
    list.SetOwnerDialog(&owner);
    CreateList(list, 200);
    list.Fill();
    DrawRows(sheet, list, width, {{}, {true, true}});
    Save(sheet.canvas, "tables_property_list.png");
}

TEST_F(TablesGalleryTest, SalesRanking) {
    CSalesOwnerStub owner;
    for (int c = 0; c < doc.GetCompanyCount(); ++c)
        owner.records.push_back({c, 98000 - 17000 * c, 21000 - 2500 * c, 4000 + 900 * c, 31000 - 12000 * c});
    CExpressSalesList list;
    list.SetOwnerDialog(&owner);
    const int rowHeight = list.GetRowHeight();
    const int width = 66 * OwnerRow::CharSize().cx + 24;
    parent.MoveWindow(0, 0, width + 20, 3 * rowHeight + 22);
    ASSERT_TRUE(list.CreateEx(0, "VELMO_3DFaceWindow", "", WS_CHILD | WS_VISIBLE,
                              CRect(10, 10, 10 + width, 10 + 3 * rowHeight + 2), &parent, 300));
    list.UpdateScrollBar();
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    const std::filesystem::path png = GalleryFolder() / "tables_sales.png";
    ASSERT_TRUE(parent.SaveToPng(png.string())) << png;
}

TEST_F(TablesGalleryTest, PlainList) {
    CMyListBox list;
    CreateList(list, 200);
    const char* texts[] = {"Move the head office", "Open a branch", "Close the branch",
                           "Sell the head office", "Rename the company"};
    for (const char* text : texts) list.SetItemHeight(list.AddString(text), OwnerRow::LayoutSize().cy + 2);
    list.SetItemCount(5);
    for (int item : {0, 1, 3}) list.SetItemValue(item, 1);
    const int width = 30 * Cw();
    Sheet sheet(width + 20, 200);
    Caption(sheet, "Selected + focused, available, unavailable, selected, selected unavailable");
    DrawRows(sheet, list, width, {{true, true}, {}, {}, {true, false}, {true, false}});
    Save(sheet.canvas, "tables_plain_list.png");
}

}  // namespace
