// The report box (template 360) as a person sees it, filled from the game
// in progress: the shrunk box of two lines, a director's report with face
// and company panel, a construction report with the building, the bank's
// repayment demand with the fixed picture, a Yes/No question, an advice
// page of tagged lines under the company panel in style 0, and a long
// report with its scroll bar.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "dialogs/DialogBench.h"
#include "fakes/GalleryFolder.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"

namespace {

namespace fs = std::filesystem;

// How many colours a window shows, up to a limit.
size_t DistinctColours(CWnd& wnd, size_t limit = 64) {
    std::vector<COLORREF> pixels;
    int width = 0, height = 0;
    if (!wnd.GrabPixels(pixels, width, height)) return 0;
    std::set<COLORREF> seen;
    for (size_t i = 0; i < pixels.size() && seen.size() < limit; ++i) seen.insert(pixels[i]);
    return seen.size();
}

class MessageDlgGalleryTest : public DialogBench {
protected:
    void SetUp() override {
        DialogBench::SetUp();
        GameInProgress();
    }
    // Opens the box, saves what it shows and closes it.
    void Render(CMyMessageDlg& box, const char* name) {
        const fs::path png = GalleryFolder() / name;
        bool saved = false;
        size_t colours = 0;
        OnOpen([&](CDialog& d) {
            d.ShowWindow(SW_SHOW);
            saved = d.SaveToPng(png.string());
            colours = DistinctColours(d);
            d.PostMessage(WM_COMMAND, IDOK);
        });
        box.DoModal();
        ASSERT_TRUE(saved) << name;
        // More than a blank face.
        EXPECT_GE(colours, 5u) << name;
    }
    // A line that starts with the company's mark and bold name.
    void CompanyLine(CMyMessageDlg& box, int line, int company, const std::string& rest) {
        const CEnterprise& c = *doc.GetEnterprise(company);
        AddBold(box, line, c.GetName(), c.GetColor());
        AddLine(box, line, rest);
    }
    int FirstDirector(int company) {
        const CEnterprise& c = *doc.GetEnterprise(company);
        return c.GetDirectorCount() > 0 ? c.GetDirectorIndex(0) : -1;
    }
    // A structure the company owns, with its area and cell; type -1 none.
    int OwnedStructure(int company, int& area, CCellPoint& cell) {
        CMapDoc& map = doc.GetMap();
        for (int a = 0; a < map.GetAreaCount(); ++a) {
            int width = 0, height = 0;
            doc.GetAreaSize(a, width, height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    CCellPoint anchor, first;
                    if (doc.GetCellOwner(a, x, y) != company + 1 ||
                        !map.GetStructureExtent(a, x, y, anchor, first))
                        continue;
                    area = a;
                    cell = CCellPoint(x, y);
                    return StructureTypeAt(a, x, y);
                }
        }
        return -1;
    }
    int StructureTypeAt(int area, int x, int y) {
        const CBD* type = doc.GetMap().GetCellStructureType(area, x, y, 0);
        for (int t = 0; t < doc.GetMap().GetStructureTypeCount(); ++t)
            if (doc.GetMap().GetStructureType(t) == type) return t;
        return -1;
    }
};

TEST_F(MessageDlgGalleryTest, ReportBoxes) {
    if (IsSkipped()) return;
    const CEnterprise& own = *doc.GetEnterprise(0);
    const int director = FirstDirector(0);
    const std::string directorName =
        director >= 0 ? doc.GetDirector(director)->GetName() : std::string("The director");
    int area = -1;
    CCellPoint cell(-1, -1);
    int building = -1;
    int owner = 0;
    for (int c = 0; c < doc.CompanyCount() && building < 0; ++c) {
        building = OwnedStructure(c, area, cell);
        owner = c;
    }
    ASSERT_GE(building, 0) << "no company owns a building";
    const std::string buildingName = doc.GetMap().GetStructureType(building)->GetName();
    const std::string areaName = doc.GetAreaName(area);

    {
        CMyMessageDlg box;
        CompanyLine(box, 1, 0, " has raised its advertising budget.");
        AddLine(box, 2, "The new budget starts next month.");
        Render(box, "report_box_two_lines.png");
    }
    {
        CMyMessageDlg box;
        box.SetEnterprise(0);
        box.SetPerson(director);
        AddLine(box, 1, "I am " + directorName + ".");
        AddLine(box, 2, "We have recruited 120 new employees.");
        AddLine(box, 3, "Their training starts at once.");
        Render(box, "report_box_director.png");
    }
    {
        CMyMessageDlg box;
        box.SetStructure(building);
        box.SetEnterprise(owner);
        box.SetEnterpriseStyle(0);
        AddLine(box, 1, "The construction of the ");
        AddBold(box, 1, buildingName);
        AddLine(box, 2, "in ");
        AddBold(box, 2, areaName);
        AddBold(box, 2, " has been completed.");
        Render(box, "report_box_construction.png");
    }
    {
        CMyMessageDlg box;
        box.SetBitmap(1);
        AddLine(box, 1, "The bank demands the repayment of");
        AddBold(box, 2, std::to_string(own.GetDebt()));
        AddLine(box, 3, "by the end of the month.");
        Render(box, "report_box_repayment_demand.png");
    }
    {
        CMyMessageDlg box;
        box.SetPerson(director);
        box.SetYesNoMode(1);
        box.SetCancelShown(1);
        CompanyLine(box, 1, 1, " offers to buy our lot in");
        AddBold(box, 2, areaName);
        AddLine(box, 2, " for 1250.");
        AddLine(box, 3, "Will you sell?");
        Render(box, "report_box_question.png");
    }
    {
        CMyMessageDlg box;
        box.SetCaption("Advice");
        box.SetEnterprise(0);
        box.SetEnterpriseStyle(0);
        box.EnableAdviceList(1);
        AddLine(box, 0, "I recommend developing a ");
        AddBold(box, 0, buildingName);
        AddLine(box, 1, "in ");
        AddBold(box, 1, areaName);
        AddBold(box, 1, ".");
        box.AddAdviceItem(area, -1, -1);
        AddLine(box, 2, "I encourage reinforcing the ");
        AddBold(box, 2, areaName);
        AddBold(box, 2, " building.");
        box.AddAdviceItem(area, cell.x, cell.y);
        CompanyLine(box, 3, 1, " stock is a good buy.");
        box.AddAdviceItem(-1, -1, -1);
        AddLine(box, 4, "We should recruit new employees.");
        box.AddAdviceItem(-1, -1, -1);
        Render(box, "report_box_advice.png");
    }
    {
        CMyMessageDlg box;
        box.SetEnterprise(0);
        for (int c = 0; c < doc.CompanyCount(); ++c)
            CompanyLine(box, c + 1, c,
                        " funds " + std::to_string(doc.GetEnterprise(c)->GetFunds()) + ", debt " +
                            std::to_string(doc.GetEnterprise(c)->GetDebt()) + ".");
        for (int line = doc.CompanyCount() + 1; line <= 24; ++line)
            AddLine(box, line,
                    "A further line of the long report, number " + std::to_string(line) + ".");
        Render(box, "report_box_long.png");
    }
}

}  // namespace
