// The dialogs' building blocks as a person sees them, on a new game of the
// authored map: the text window with runs in both fonts, colour marks,
// month markers, a clipped run, a centred heading and both scroll bars;
// the history window; the building and land pictures in the four
// directions; the fixed picture; the company windows; faces and a person
// line; the small controls with the colour list; and the tool-bar faces in
// their three recoloured looks.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/GalleryFolder.h"
#include "model/BD.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BitmapRecolor.h"
#include "views/BtnScrollBar.h"
#include "views/ColorCmbBox.h"
#include "views/ColorCmbOwner.h"
#include "views/ColorRect.h"
#include "views/DrawBDWnd.h"
#include "views/DrawBMWnd.h"
#include "views/DrawEPWnd.h"
#include "views/DrawExTextWnd.h"
#include "views/DrawFaceWnd.h"
#include "views/DrawPDWnd.h"
#include "views/DrawTextWnd.h"
#include "views/MyHeaderCtrl.h"
#include "views/MyStatusBar.h"
#include "views/PictureFixture.h"

namespace {

class BlocksGalleryTest : public PictureWndTest {
protected:
    // A canvas on the button face for drawn blocks, with captions.
    struct Sheet {
        Sheet(int width, int height) : canvas(width, height) {
            canvas.DC().FillSolidRect(0, 0, width, height, GetSysColor(COLOR_BTNFACE));
        }
        CBlockCanvas canvas;
    };
    void Caption(CDC& dc, int x, int y, const std::string& text) {
        CFont* previous = dc.SelectObject(host.fonts.GetUIFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc.TextOut(x, y, text);
        dc.SelectObject(previous);
    }
    // A sunken frame one pixel around a block's box.
    void Frame(CDC& dc, const CRect& box) {
        Draw3DFrame(dc, CRect(box.left - 1, box.top - 1, box.right + 1, box.bottom + 1), TRUE);
    }
    void Save(CWnd& window, const char* name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(window.SaveToPng(png.string())) << png;
    }
    void Save(CBlockCanvas& canvas, const char* name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(canvas.SaveToPng(png.string())) << png;
    }
    int TypeOfCode(int code) {
        const CMapDoc& map = doc.GetMap();
        for (int t = 0; t < map.GetStructureTypeCount(); ++t)
            if (map.GetStructureType(t)->GetTypeCode() == code) return t;
        return 1;
    }
    COLORREF Text() { return GetSysColor(COLOR_BTNTEXT); }
};

TEST_F(BlocksGalleryTest, TextWindows) {
    CDrawTextWnd text;
    parent.MoveWindow(0, 0, 490, 210);
    CreateChild(text, CRect(10, 10, 480, 200));
    CFont* normal = host.fonts.GetMessageFont();
    CFont* bold = host.fonts.GetMessageFont2();
    const int none = CDrawTextWnd::kNoMark;
    auto add = [&](int x, int line, const std::string& s, CFont* font, int mark, int limit = 0,
                   COLORREF colour = 0) {
        ASSERT_TRUE(text.AddText(CPoint(x, line), s, colour ? colour : Text(), font, mark, limit));
    };
    add(0, 0, "Land purchase report", bold, none);
    add(0, 1, doc.GetEnterprise(0)->GetName(), bold, 0);
    add(-1, 1, " bought the lot at (12, 7) for 4,200,000.", normal, none);
    add(0, 2, "Colour 16:", normal, none);
    add(-1, 2, " a company of the second row", bold, 16, 0, RGB(0, 0, 160));
    add(0, 3, "Colour 31:", normal, none);
    add(-1, 3, " the last colour of the strip", bold, 31);
    add(0, 4, "Months:", normal, none);
    add(-1, 4, " this month and later", normal, -1);
    add(-1, 4, "  earlier months", normal, -2);
    add(0, 5, "A run clipped at 230 pixels loses the end of its sentence here.", normal, none,
        230, RGB(160, 0, 0));
    for (int line = 6; line < 11; ++line)
        add(0, line, "Line " + std::to_string(line) + " of the report, long enough to need the "
                     "horizontal bar as well as the vertical one.", normal, none);
    text.Layout();
    text.CenterLine(0);
    CRect client;
    text.GetClientRect(&client);
    EXPECT_LT(client.Width(), 470) << "the vertical bar shows";
    EXPECT_LT(client.Height(), 190) << "the horizontal bar shows";
    // The parent's picture holds the child's scroll bars too.
    Save(parent, "blocks_text.png");
    text.DestroyWindow();

    parent.MoveWindow(0, 0, 380, 170);
    CDrawExTextWnd history;
    CreateChild(history, CRect(10, 10, 370, 160));
    for (int line = 0; line < 30; ++line) {
        ASSERT_TRUE(history.AddText("Month " + std::to_string(line + 1) + ":", Text(), bold,
                                    TRUE, line % 5 == 0 ? line % 32 : none));
        ASSERT_TRUE(history.AddText(" the city grew again.", Text(), normal, FALSE, none));
    }
    history.Refresh();
    EXPECT_EQ(history.GetLineText(history.GetLineCount() - 1), "Month 30: the city grew again.");
    Save(parent, "blocks_history.png");
}

TEST_F(BlocksGalleryTest, PictureWindows) {
    struct Row {
        const char* what;
        int set;
        int type;
    };
    const Row rows[] = {{"Land type", 1, 1}, {"Head office", 0, TypeOfCode(60)}};
    // Boxes that hold the largest picture of a row, as its dialog would.
    int rowHeight[2] = {0, 0};
    int cell = 0;
    for (int r = 0; r < 2; ++r) {
        const CBD* type = rows[r].set ? doc.GetMap().GetLandTypeEntry(rows[r].type)
                                      : doc.GetMap().GetStructureType(rows[r].type);
        ASSERT_NE(type, nullptr);
        for (int p = 0; p < CBD::kDirections; ++p) {
            cell = std::max(cell, type->GetViewExtent(p).x + 20);
            rowHeight[r] = std::max(rowHeight[r], type->GetViewExtent(p).y + 20);
        }
    }
    cell = std::max(cell, 130);
    Sheet sheet(4 * cell + 20, rowHeight[0] + rowHeight[1] + 60);
    CDC& dc = sheet.canvas.DC();
    int top = 24;
    for (int r = 0; r < 2; ++r) {
        CDrawBDWnd building;
        building.SetDocument(&doc);
        building.SetPictureSet(rows[r].set);
        building.SetBuilding(rows[r].type);
        for (int direction = 0; direction < 4; ++direction) {
            doc.SetViewDirection(direction);
            const CRect box(10 + direction * cell, top, direction * cell + cell,
                            top + rowHeight[r] - 10);
            Caption(dc, box.left, box.top - 18,
                    std::string(rows[r].what) + ", direction " + std::to_string(direction));
            Frame(dc, box);
            dc.SetViewportOrg(box.left, box.top);
            building.DrawPicture(dc, box.Width(), box.Height());
            dc.SetViewportOrg(0, 0);
        }
        top += rowHeight[r] + 18;
    }
    doc.SetViewDirection(0);
    Save(sheet.canvas, "blocks_buildings.png");
}

TEST_F(BlocksGalleryTest, CompanyFaceAndPersonWindows) {
    Sheet sheet(700, 420);
    CDC& dc = sheet.canvas.DC();
    auto at = [&](const CRect& box, const std::string& caption, auto draw) {
        Caption(dc, box.left, box.top - 18, caption);
        Frame(dc, box);
        // A window clips what it draws to its client area.
        dc.SaveDC();
        dc.IntersectClipRect(box);
        dc.SetViewportOrg(box.left, box.top);
        draw(box.Width(), box.Height());
        dc.RestoreDC(-1);
    };
    CDrawBMWnd bitmap;
    bitmap.SetKind(CDrawBMWnd::kKindReportPicture);
    at(CRect(10, 24, 140, 164), "Fixed picture", [&](int w, int h) { bitmap.DrawPicture(dc, w, h); });
    at(CRect(160, 24, 240, 104), "Fixed picture, cut",
       [&](int w, int h) { bitmap.DrawPicture(dc, w, h); });

    struct Company {
        const char* what;
        int second, centred, textOnly;
        const char* caption;
    };
    const Company companies[] = {
        {"Company, two lines", 1, 0, 0, ""},
        {"Company, one line, caption", 0, 0, 0, "Head office: Riverside"},
        {"Two lines and caption, centred", 1, 1, 0, "Orders are over"},
        {"Text mode", 1, 0, 1, "Observing the game"},
    };
    for (int i = 0; i < 4; ++i) {
        CDrawEPWnd company;
        company.SetDocument(&doc);
        company.SetEnterprise(i);
        company.SetSecondLine(companies[i].second);
        company.SetCentred(companies[i].centred);
        company.SetTextOnly(companies[i].textOnly);
        company.SetText(companies[i].caption);
        at(CRect(260 + (i % 2) * 220, 24 + (i / 2) * 100, 460 + (i % 2) * 220, 94 + (i / 2) * 100),
           companies[i].what, [&](int w, int h) { company.DrawContent(dc, w, h); });
    }
    const int young = DirectorByAge(false);
    const int old = DirectorByAge(true);
    ASSERT_GE(young, 0);
    struct Face {
        int person;
        CRect box;
    };
    for (const Face& f : {Face{young, CRect(10, 210, 74, 274)}, Face{old, CRect(100, 210, 164, 274)},
                          Face{old, CRect(190, 210, 310, 330)}}) {
        CDrawFaceWnd face;
        face.SetPerson(f.person + 1);
        const CPersonData& p = *doc.GetDirector(f.person);
        at(f.box, std::to_string(p.GetAge(false)) + " years",
           [&](int w, int h) { face.DrawPicture(dc, w, h); });
    }
    const int hired = HireDirector(1);
    CDrawPDWnd line;
    line.SetPersonIndex(hired);
    at(CRect(330, 250, 680, 290), "Person line", [&](int w, int h) { line.DrawLine(dc, w, h); });
    Save(sheet.canvas, "blocks_pictures.png");
}

class CGalleryOwner : public IColorCmbOwner {
public:
    int GetColourCompany(int colour) override { return colour % 7 == 3 ? colour / 7 + 1 : -1; }
    int GetCurrentCompany() override { return 1; }
};

TEST_F(BlocksGalleryTest, SmallControls) {
    CStringTable::Register(AFX_IDS_IDLEMESSAGE, "For Help, press F1");
    parent.MoveWindow(0, 0, 520, 300);
    CMyHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(10, 10, 410, 34), &parent, 1));
    header.SetFont(host.fonts.GetUIFont());
    const char* titles[] = {"Company", "Funds", "Staff", "Areas"};
    for (int c = 0; c < 4; ++c) {
        HDITEM item;
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.cxy = c == 0 ? 160 : 80;
        item.text = titles[c];
        header.InsertItem(c, &item);
    }
    CBtnScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(420, 10, 437, 190), &parent, 2));
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 30;
    info.nPage = 8;
    info.nPos = 6;
    bar.SetScrollInfo(&info);
    CGalleryOwner owner;
    CColorCmbBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST |
                                 CBS_OWNERDRAWFIXED,
                             CRect(10, 50, 90, 300), &parent, 3));
    combo.SetFont(host.fonts.GetMessageFont());
    // Rows of the set-up dialog's height.
    combo.SetItemHeight(-1, 18);
    combo.SetItemHeight(0, 18);
    combo.SetOwnerTable(&owner);
    combo.SetCurrentColour(4);
    combo.FillColours();
    CColorRect swatch;
    CreateChild(swatch, CRect(110, 50, 170, 74));
    swatch.SetColour(RGB(40, 120, 200));
    CMyStatusBar status;
    ASSERT_TRUE(status.Create(&parent));
    status.SetKeptText("Company management.");
    // Without a frame to lay it out, the bar goes along the bottom by hand.
    const CSize statusSize = status.CalcFixedLayout(520);
    status.MoveWindow(0, 300 - statusSize.cy, 520, statusSize.cy);
    status.SetWindowText(CStringTable::Get(AFX_IDS_IDLEMESSAGE));
    Save(parent, "blocks_controls.png");

    // The list dropped below the box, as the user opens it.
    combo.ShowDropDown(TRUE);
    CWnd* list = CWnd::GetCapture();
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list, &combo);
    Save(*list, "blocks_colour_list_open.png");
    combo.ShowDropDown(FALSE);

    // The dropped list, drawn item by item as the list window draws it.
    const int itemHeight = std::max(combo.GetItemHeight(0), 18);
    Sheet sheet(4 * 90 + 20, 8 * itemHeight + 40);
    CDC& dc = sheet.canvas.DC();
    Caption(dc, 10, 6, "The colour list: crossed colours are another company's");
    CFont* previous = dc.SelectObject(host.fonts.GetMessageFont());
    for (int colour = 0; colour < 32; ++colour) {
        const CRect item(10 + (colour / 8) * 90, 28 + (colour % 8) * itemHeight,
                         90 + (colour / 8) * 90, 28 + (colour % 8 + 1) * itemHeight);
        combo.PaintItem(dc, colour, item, colour == 4, false);
    }
    dc.SelectObject(previous);
    Save(sheet.canvas, "blocks_colour_list.png");
}

TEST_F(BlocksGalleryTest, ToolFacesInTheirThreeLooks) {
    CBitmap* grey = host.strips.GetBitmap(CPictureCatalog::kToolFacesGrey);
    ASSERT_NE(grey, nullptr);
    const CSize size = grey->GetSize();
    CBitmap looks[3];
    for (CBitmap& look : looks) {
        ASSERT_TRUE(CPictureStrips::CopyBitmap(*grey, look));
        ASSERT_EQ(RecolorBitmapGreys(look), 1);
    }
    ASSERT_EQ(RecolorBitmapGreysMasked(looks[1]), 1);
    ASSERT_EQ(RecolorBitmapFace(looks[2]), 1);
    const int scale = 2;
    Sheet sheet(size.cx * scale + 20, 3 * (size.cy * scale + 26) + 10);
    CDC& dc = sheet.canvas.DC();
    const char* names[] = {"Normal", "Disabled", "Latched"};
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    for (int i = 0; i < 3; ++i) {
        const int top = 24 + i * (size.cy * scale + 26);
        Caption(dc, 10, top - 18, names[i]);
        CBitmap* previous = memory.SelectObject(&looks[i]);
        dc.StretchBlt(10, top, size.cx * scale, size.cy * scale, &memory, 0, 0, size.cx, size.cy,
                      SRCCOPY);
        memory.SelectObject(previous);
    }
    Save(sheet.canvas, "blocks_tool_faces.png");
}

}  // namespace
