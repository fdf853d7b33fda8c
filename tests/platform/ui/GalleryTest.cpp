// Renders a few windows to PNG files in a "gallery" folder beside the test
// program, so that a reviewer can look at what the drawing code produces.

#include <QImage>
#include <cstring>
#include <filesystem>
#include <vector>

#include "UiTestSupport.h"
#include "fakes/GalleryFolder.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/WndClassRegistry.h"

namespace {

// A window whose WM_PAINT runs a drawing function.
class CPictureWnd : public CWnd {
public:
    std::function<void(CDC&, const CRect&)> draw;

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        if (draw) draw(dc, client);
    }
};

void MakeFont(CFont& font, int height, int weight) {
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, CLIP_STROKE_PRECIS, 0, 0,
                    "MS Sans Serif");
}

int DistinctColours(const std::filesystem::path& path) {
    QImage image(QString::fromStdString(path.string()));
    std::vector<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::find(seen.begin(), seen.end(), p) == seen.end()) seen.push_back(p);
        }
    }
    return static_cast<int>(seen.size());
}

class GalleryTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        CWndClassRegistry::Register({"GalleryFace", 0, nullptr, COLOR_3DFACE + 1});
    }
    void Save(CWnd& w, const char* name) {
        const auto path = GalleryFolder() / name;
        ASSERT_TRUE(w.SaveToPng(path.string()));
        EXPECT_GT(DistinctColours(path), 3) << path;
    }
};

TEST_F(GalleryTest, TextInTheThreeFonts) {
    CPictureWnd frame, page;
    ASSERT_TRUE(frame.CreateEx(0, "GalleryFace", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 360, 170),
                               nullptr, 0));
    ASSERT_TRUE(page.CreateEx(WS_EX_CLIENTEDGE, "GalleryFace", "Report",
                              WS_CHILD | WS_VISIBLE | WS_CAPTION, CRect(10, 10, 350, 160), &frame,
                              1));
    page.draw = [](CDC& dc, const CRect& client) {
        CFont message, small, bold;
        MakeFont(message, 20, FW_NORMAL);
        MakeFont(small, 16, FW_NORMAL);
        MakeFont(bold, 24, FW_BOLD);
        dc.SetBkMode(TRANSPARENT);
        int y = 4;
        for (CFont* font : {&message, &small, &bold}) {
            CFont* old = dc.SelectObject(font);
            TEXTMETRIC tm;
            dc.GetTextMetrics(&tm);
            dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
            dc.TextOut(9, y + 1, "Acme Holdings bought 1,200 shares.");
            dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
            dc.TextOut(8, y, "Acme Holdings bought 1,200 shares.");
            y += tm.tmHeight + 6;
            dc.SelectObject(old);
        }
        const CRect row(0, client.bottom - 22, client.right, client.bottom - 2);
        dc.SetBkColor(RGB(255, 255, 225));
        dc.SetTextColor(RGB(160, 0, 0));
        dc.SelectObject(&small);
        dc.ExtTextOut(4, row.top + 2, ETO_OPAQUE | ETO_CLIPPED, &row,
                      "Clipped line that runs on far past the right edge of the window ...");
        dc.SelectStockObject(SYSTEM_FONT);
    };
    Save(frame, "fonts.png");
}

TEST_F(GalleryTest, ColouredMarksAndEdges) {
    CPictureWnd w;
    ASSERT_TRUE(w.CreateEx(0, "GalleryFace", "", WS_POPUP | WS_VISIBLE | WS_BORDER,
                           CRect(0, 0, 300, 140), nullptr, 0));
    w.draw = [](CDC& dc, const CRect&) {
        const COLORREF colours[] = {RGB(200, 30, 30), RGB(30, 150, 30),  RGB(30, 60, 200),
                                    RGB(220, 180, 0), RGB(150, 40, 160), RGB(0, 160, 170)};
        int x = 10;
        for (COLORREF c : colours) {
            CBrush brush(c);
            CPen dotted(PS_DOT, 1, c);
            CBrush* oldBrush = dc.SelectObject(&brush);
            CPen* oldPen = dc.SelectObject(static_cast<CPen*>(GetStockObject(BLACK_PEN)));
            dc.Rectangle(x, 10, x + 30, 40);
            dc.Ellipse(x, 50, x + 30, 80);
            dc.SelectObject(&dotted);
            dc.SelectStockObject(NULL_BRUSH);
            dc.Rectangle(x - 3, 87, x + 33, 127);
            dc.SelectObject(oldBrush);
            dc.SelectObject(oldPen);
            x += 45;
        }
        CRect raised(10, 100, 60, 120), sunken(70, 100, 120, 120);
        dc.DrawEdge(&raised, EDGE_RAISED, BF_RECT);
        dc.DrawEdge(&sunken, EDGE_SUNKEN, BF_RECT);
        dc.DrawFocusRect(CRect(130, 100, 180, 120));
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectStockObject(NULL_BRUSH);
        dc.SetROP2(R2_NOTXORPEN);
        const POINT band[] = {{190, 95}, {285, 100}, {280, 130}, {195, 125}};
        dc.Polygon(band, 4);
        dc.SetROP2(R2_COPYPEN);
    };
    Save(w, "marks.png");
}

// A picture with its mask over a drawn background, and an 8-bit bitmap
// drawn through its colour table and stretched.
TEST_F(GalleryTest, BitmapWithAMask) {
    CPictureWnd w;
    ASSERT_TRUE(
        w.CreateEx(0, "GalleryFace", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 120), nullptr, 0));
    w.draw = [](CDC& dc, const CRect& client) {
        for (int y = 0; y < client.bottom; ++y) {
            dc.FillSolidRect(0, y, client.right, 1, RGB(40, 90 + y, 40));
        }
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CBitmap picture, mask;
        picture.CreateCompatibleBitmap(&dc, 32, 32);
        mask.CreateCompatibleBitmap(&dc, 32, 32);
        CBitmap* old = mem.SelectObject(&mask);
        mem.FillSolidRect(0, 0, 32, 32, RGB(255, 255, 255));
        mem.SelectStockObject(BLACK_BRUSH);
        mem.SelectStockObject(BLACK_PEN);
        const POINT roof[] = {{16, 0}, {31, 14}, {31, 31}, {0, 31}, {0, 14}};
        mem.Polygon(roof, 5);
        mem.SelectObject(&picture);
        mem.FillSolidRect(0, 0, 32, 32, RGB(0, 0, 0));
        CBrush wall(RGB(200, 120, 60));
        mem.SelectObject(&wall);
        mem.Polygon(roof, 5);
        mem.FillSolidRect(12, 18, 8, 13, RGB(90, 50, 20));
        // The mask clears the shape out of the background (black inside),
        // then the picture, black outside its shape, is ORed in.
        for (int i = 0; i < 4; ++i) {
            const int x = 10 + i * 36, y = 10 + (i % 2) * 12;
            mem.SelectObject(&mask);
            dc.BitBlt(x, y, 32, 32, &mem, 0, 0, SRCAND);
            mem.SelectObject(&picture);
            dc.BitBlt(x, y, 32, 32, &mem, 0, 0, SRCPAINT);
        }
        mem.SelectObject(old);

        BITMAPINFOHEADER h;
        h.biWidth = 4;
        h.biHeight = 4;
        h.biBitCount = 8;
        h.biClrUsed = 4;
        std::vector<uint8_t> info(sizeof h);
        std::memcpy(info.data(), &h, sizeof h);
        const uint8_t table[] = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 255, 0, 255, 0, 0, 0};
        info.insert(info.end(), std::begin(table), std::end(table));
        const std::vector<uint8_t> bits = {0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2};
        dc.StretchDIBits(160, 60, 64, 48, 0, 0, 4, 4, bits.data(), bits.size(), info.data(),
                         info.size(), DIB_RGB_COLORS, SRCCOPY);
    };
    Save(w, "sprite.png");
}

const DIALOGTEMPLATE kEveryControl = {
    900,
    "Every control",
    "MS Sans Serif",
    8,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    0,
    0,
    330,
    210,
    {
        {1, DialogItemKind::Button, nullptr, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 270,
         6, 50, 14},
        {2, DialogItemKind::Button, nullptr, "Cancel", WS_VISIBLE | WS_TABSTOP, 270, 24, 50, 14},
        {10, DialogItemKind::Button, nullptr, "Options", WS_VISIBLE | BS_GROUPBOX, 6, 4, 120, 62},
        {11, DialogItemKind::Button, nullptr, "&Game Underway",
         WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 12, 16, 100, 10},
        {12, DialogItemKind::Button, nullptr, "&Sound effects", WS_VISIBLE | BS_AUTOCHECKBOX, 12,
         28, 100, 10},
        {13, DialogItemKind::Button, nullptr, "Fast", WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON,
         12, 40, 50, 10},
        {14, DialogItemKind::Button, nullptr, "Slow", WS_VISIBLE | BS_AUTORADIOBUTTON, 12, 52, 50,
         10},
        {20, DialogItemKind::Static, nullptr, "&Waiting Time:", WS_VISIBLE | WS_GROUP, 134, 8, 50,
         8},
        {21, DialogItemKind::Edit, nullptr, "", WS_VISIBLE | WS_BORDER | ES_NUMBER, 186, 6, 30, 12},
        {22, DialogItemKind::Slider, nullptr, "", WS_VISIBLE | TBS_HORZ, 132, 22, 130, 16},
        {23, DialogItemKind::Edit, nullptr, "",
         WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 132, 42, 130, 36},
        {30, DialogItemKind::ListBox, nullptr, "", WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
         6, 72, 80, 50},
        {31, DialogItemKind::ListBox, nullptr, "",
         WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_NOTIFY, 92, 72, 80, 50},
        {32, DialogItemKind::ComboBox, nullptr, "", WS_VISIBLE | CBS_DROPDOWNLIST, 180, 84, 80, 60},
        {33, DialogItemKind::ScrollBar, nullptr, "", WS_VISIBLE | SBS_VERT, 308, 72, 10, 60},
        {40, DialogItemKind::Tab, nullptr, "", WS_VISIBLE | TCS_BUTTONS | TCS_RAGGEDRIGHT, 6, 130,
         200, 16},
        {41, DialogItemKind::Header, nullptr, "", WS_VISIBLE | HDS_BUTTONS, 6, 152, 250, 12},
        {42, DialogItemKind::Static, nullptr, "", WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE, 262, 150,
         40, 30},
        {43, DialogItemKind::Button, nullptr, "", WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP, 6, 172,
         40, 30},
        {44, DialogItemKind::Button, nullptr, "", WS_VISIBLE | BS_OWNERDRAW, 52, 172, 60, 30},
        {45, DialogItemKind::Static, nullptr, "A static text that wraps onto a second line.",
         WS_VISIBLE | SS_LEFT, 120, 172, 120, 20},
    },
};

// The sample dialog draws its owner-drawn items in company colours.
class CGalleryDialog : public CDialog {
public:
    CGalleryDialog() : CDialog(&kEveryControl) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DRAWITEM) {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            const COLORREF colours[] = {RGB(200, 30, 30), RGB(30, 150, 30), RGB(30, 60, 200),
                                        RGB(220, 180, 0)};
            const COLORREF c =
                dis->CtlType == ODT_BUTTON ? RGB(150, 40, 160) : colours[dis->itemID % 4];
            dis->hDC->FillSolidRect(dis->rcItem, c);
            if (dis->itemState & ODS_SELECTED) {
                dis->hDC->Draw3dRect(dis->rcItem, RGB(255, 255, 255), RGB(0, 0, 0));
            }
            return TRUE;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

void MakeStrip(CBitmap& strip, int cells, int w, int h) {
    strip.CreateBitmap(w * cells, h);
    CDC mem;
    mem.CreateCompatibleDC(nullptr);
    CBitmap* old = mem.SelectObject(&strip);
    mem.FillSolidRect(0, 0, w * cells, h, GetSysColor(COLOR_BTNFACE));
    const COLORREF colours[] = {RGB(200, 30, 30), RGB(30, 150, 30),  RGB(30, 60, 200),
                                RGB(220, 180, 0), RGB(150, 40, 160), RGB(0, 160, 170)};
    for (int i = 0; i < cells; ++i) {
        CBrush brush(colours[i % 6]);
        CBrush* oldBrush = mem.SelectObject(&brush);
        mem.Ellipse(i * w + 4, 4, i * w + w - 4, h - 4);
        mem.SelectObject(oldBrush);
    }
    mem.SelectObject(old);
}

TEST_F(GalleryTest, ADialogWithEveryControl) {
    CGalleryDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&kEveryControl, nullptr));
    dlg.CheckDlgButton(11, 1);
    dlg.CheckRadioButton(13, 14, 14);
    dlg.SetDlgItemInt(21, 40);
    auto* slider = static_cast<CSliderCtrl*>(dlg.GetDlgItem(22));
    slider->SetRange(1, 100);
    slider->SetPos(40);
    dlg.SetDlgItemText(23,
                       "A read-only text of several lines\nthat the dialog shows\nwith its "
                       "scroll bar\nwhen it is long\nenough to need it.");
    auto* list = static_cast<CListBox*>(dlg.GetDlgItem(30));
    for (const char* t :
         {"Acme Holdings", "Borealis", "Cobalt Works", "Delta Farms", "Emporium", "Foundry"}) {
        list->AddString(t);
    }
    list->SetCurSel(1);
    auto* colours = static_cast<CListBox*>(dlg.GetDlgItem(31));
    for (int i = 0; i < 4; ++i) colours->AddString("");
    colours->SetCurSel(2);
    auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(32));
    for (const char* t : {"-", "1", "2"}) combo->AddString(t);
    combo->SetCurSel(1);
    auto* bar = static_cast<CScrollBar*>(dlg.GetDlgItem(33));
    bar->SetScrollRange(0, 10);
    bar->SetScrollPos(3);
    auto* tabs = static_cast<CTabCtrl*>(dlg.GetDlgItem(40));
    for (const char* t : {"Land", "Buildings", "People"}) tabs->InsertItem(tabs->GetItemCount(), t);
    auto* header = static_cast<CHeaderCtrl*>(dlg.GetDlgItem(41));
    for (const char* t : {"Rank", "Team name", "Results"}) {
        HDITEM item;
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.cxy = 100;
        item.text = t;
        header->InsertItem(header->GetItemCount(), &item);
    }
    CBitmap picture;
    MakeStrip(picture, 1, 40, 36);
    static_cast<CStatic*>(dlg.GetDlgItem(42))->SetBitmap(&picture);
    static_cast<CButton*>(dlg.GetDlgItem(43))->SetBitmap(&picture);
    dlg.GotoDlgCtrl(dlg.GetDlgItem(21));
    dlg.ShowWindow(SW_SHOW);
    Save(dlg, "dialog.png");
    dlg.DestroyWindow();
}

TEST_F(GalleryTest, AFrameWithMenuToolBarAndStatusBar) {
    static const MENUTEMPLATE menu = {0,
                                      {{"&File", 0, MF_POPUP, {{"&Open...", 1}}},
                                       {"&Orders", 0, MF_POPUP, {{"&Acquire", 2}}},
                                       {"&View", 0, MF_POPUP | MF_GRAYED, {{"&Toolbar", 3}}},
                                       {"&End Operations ", 4},
                                       {"&Help", 0, MF_POPUP, {{"&About", 5}}}}};
    CFrameWnd frame;
    frame.FrameMenu().LoadMenuIndirect(&menu);
    frame.SetMenu(&frame.FrameMenu());
    ASSERT_TRUE(frame.Create("GalleryFace", "MERCAVO", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(0, 0, 520, 300)));
    CPictureWnd view;
    ASSERT_TRUE(view.CreateEx(WS_EX_CLIENTEDGE, "GalleryFace", "", WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 1, 1), &frame, AFX_IDW_PANE_FIRST));
    view.draw = [](CDC& dc, const CRect& client) {
        for (int y = 0; y < client.bottom; y += 2) {
            dc.FillSolidRect(0, y, client.right, 2, RGB(40, 90 + y / 2, 40));
        }
    };
    CToolBar toolbar;
    ASSERT_TRUE(toolbar.Create(&frame));
    toolbar.SetSizes(CSize(40, 38), CSize(32, 30));
    CBitmap strip;
    MakeStrip(strip, 5, 32, 30);
    toolbar.SetBitmap(&strip);
    const UINT buttons[] = {1, ID_SEPARATOR, 2, 3, ID_SEPARATOR, 4, 5};
    toolbar.SetButtons(buttons, 7);
    toolbar.EnableButton(3, FALSE);
    toolbar.CheckButton(4, 1);
    CStatusBar status;
    ASSERT_TRUE(status.Create(&frame));
    status.SetWindowText("Please click the land to build on.");
    frame.RecalcLayout();
    Save(frame, "frame.png");
    frame.DestroyWindow();
}

TEST_F(GalleryTest, AMessageBoxWithItsIcon) {
    CAutoAnswer::Set(false);
    CMessageBox box(nullptr, "Reset Default Value.", "MERCAVO", MB_OKCANCEL | MB_ICONEXCLAMATION);
    CRecorderWnd driver;
    ASSERT_TRUE(driver.CreatePopup());
    driver.hooks[WM_USER] = [&](WPARAM, LPARAM) {
        if (CMessageBox* open = CMessageBox::GetOpen()) {
            Save(*open, "messagebox.png");
            open->EndDialog(IDOK);
        }
        return 0;
    };
    driver.PostMessage(WM_USER);
    EXPECT_EQ(box.DoModal(), IDOK);
    CAutoAnswer::Reset();
}

}  // namespace
