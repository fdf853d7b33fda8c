// Renders what the drawing code of the game produces to PNG files in a
// "gallery" folder beside the test program, for a reviewer to look at: the
// drawing helpers, and the marks drawn from the program folder's strips.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/GalleryFolder.h"
#include "model/AppFonts.h"
#include "model/ColorTable.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/GamePaletteFile.h"
#include "model/PictureCatalog.h"
#include "model/PictureStrips.h"
#include "platform/core/ProgramFolder.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Palette.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/ClientDC.h"

namespace {

COLORREF Sys(int index) {
    return CSystemColors::Color(index);
}

// A picture on the button face with the application's fonts and, once
// loaded, its strips in the game palette; the helpers reach the fonts
// through the application service as they do in the game.
class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        CClientDC screen(nullptr);
        ASSERT_TRUE(fonts.Create(20, screen));
        app.standardFont = fonts.GetMessageFont();
        app.standardCharWidth = fonts.GetLayoutSize().cx;
    }
    void Begin(int width, int height) {
        ASSERT_TRUE(bitmap.CreateBitmap(width, height));
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, Sys(COLOR_BTNFACE));
        dc.SetBkColor(Sys(COLOR_WINDOW));
    }
    void Save(const char* name) {
        dc.SelectObject(previous);
        const std::filesystem::path path = GalleryFolder() / name;
        ASSERT_TRUE(bitmap.SaveToPng(path.string())) << path;
    }
    void LoadStrips() {
        const std::string folder = CProgramFolder::Get();
        CGamePaletteFile file;
        ASSERT_EQ(file.ReadFile(folder + CGamePaletteFile::kFileName),
                  CGamePaletteFile::EResult::Ok);
        ASSERT_TRUE(palette.CreatePalette(file.Entries().data(),
                                          static_cast<int>(file.Entries().size())));
        app.palette = &palette;
        ASSERT_TRUE(strips.Load(folder, &palette)) << strips.GetFailedId();
    }
    // A caption in the message font's bold cousin.
    void Caption(int x, int y, const char* text) {
        CFont* old = dc.SelectObject(fonts.GetMessageFont2());
        DrawTextInRect(dc, text, CRect(x, y, x + 740, y + fonts.GetCharSize().cy), 0, FALSE, 0, -1);
        dc.SelectObject(old);
    }

    CFakeAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CAppFonts fonts;
    CPalette palette;
    CPictureStrips strips;
    CBitmap bitmap;
    CDC dc;
    CBitmap* previous = nullptr;
};

TEST_F(GalleryTest, DrawingHelpers) {
    Begin(560, 470);
    const int line = fonts.GetLayoutSize().cy;

    Caption(10, 6, "DrawColoredText: states 0-3, without and with colour index 4");
    const COLORREF fillColour = dc.GetBkColor();
    for (int state = 0; state < 4; ++state) {
        for (int coloured = 0; coloured < 2; ++coloured) {
            const CRect clip(10 + coloured * 270, 30 + state * line, 270 + coloured * 270,
                             30 + (state + 1) * line);
            const std::string text = "State " + std::to_string(state) +
                                     (coloured ? ", colour 4" : ", no colour");
            // Rows of states 1 and 3 lie on the caption colours, as in the
            // owner-drawn lists.
            const int backgrounds[] = {COLOR_BTNFACE, COLOR_ACTIVECAPTION, COLOR_BTNFACE,
                                       COLOR_INACTIVECAPTION};
            dc.FillSolidRect(clip, Sys(backgrounds[state]));
            DrawColoredText(dc, text, clip, clip.TopLeft(), state, FALSE, 0, coloured ? 4 : -1);
        }
    }

    dc.SetBkColor(fillColour);
    Caption(10, 112, "DrawTextInRect: left, centred, right; without and with fill");
    const char* alignments[] = {"Left", "Centred", "Right"};
    for (int fill = 0; fill < 2; ++fill) {
        for (int align = 0; align < 3; ++align) {
            const CRect box(10 + align * 180, 140 + fill * 34, 180 + align * 180, 168 + fill * 34);
            Draw3DFrame(dc, CRect(box.left - 1, box.top - 1, box.right + 1, box.bottom + 1), TRUE);
            DrawTextInRect(dc, alignments[align], box, align, fill, 0, -1);
        }
    }

    Caption(10, 218, "Draw3DFrame: raised and sunken");
    Draw3DFrame(dc, CRect(10, 244, 130, 284), FALSE);
    Draw3DFrame(dc, CRect(150, 244, 270, 284), TRUE);

    Caption(10, 296, "DrawButtonFace: raised, pressed, focused");
    const char* faces[] = {"Raised", "Pressed", "Focused"};
    for (int i = 0; i < 3; ++i) {
        const CRect button(10 + i * 130, 322, 130 + i * 130, 356);
        DrawButtonFace(dc, button, i == 2 ? kButtonFaceFocusState : 0, i == 1);
        CRect inside = button;
        if (i == 1) inside.OffsetRect(1, 1);
        DrawTextInRect(dc, faces[i], inside, 1, FALSE, 0, -1);
    }

    Caption(10, 370, "FillHalftoneRect: button face with colour 4 and with black");
    FillHalftoneRect(dc, CRect(10, 396, 130, 456), GetColorTableEntry(4));
    FillHalftoneRect(dc, CRect(150, 396, 270, 456), RGB(0, 0, 0));
    Save("drawing_helpers.png");
}

TEST_F(GalleryTest, Marks) {
    LoadStrips();
    Begin(760, 500);
    const CSize cell = strips.GetIconCellSize();

    Caption(10, 6, "DrawColorMark: colours -2 .. 31");
    for (int colour = -2; colour < 32; ++colour) {
        const int i = colour + 2;
        const int x = 10 + (i % 17) * 44;
        const int y = 32 + (i / 17) * 50;
        strips.DrawColorMark(dc, x + 22, y + cell.cy / 2, colour, TRUE);
        const std::string label = std::to_string(colour);
        DrawTextInRect(dc, label.c_str(), CRect(x, y + cell.cy + 2, x + 44, y + 46), 1, FALSE, 0,
                       -1);
    }

    Caption(10, 140, "DrawSmallMark: 0 .. 13");
    for (int i = 0; i < CPictureCatalog::kSmallMarkCount; ++i) {
        strips.DrawSmallMark(dc, 10 + i * 36, 166, i, FALSE);
    }

    Caption(10, 210, "DrawPairMark 0, 1 and DrawRowMark 0, 1, 2");
    strips.DrawPairMark(dc, 30, 260, 0);
    strips.DrawPairMark(dc, 80, 260, 1);
    for (int row = 0; row < 3; ++row) strips.DrawRowMark(dc, row, 140 + row * 40, 260, TRUE);

    Caption(10, 296, "DrawCompanyTitle with its second line, DrawPersonTitle");
    CEnterprise company;
    company.SetName("Harbour Trading Co.");
    company.SetPresidentName("Ada Holm");
    company.SetColor(10);
    const CSize layout = fonts.GetLayoutSize();
    strips.DrawCompanyTitle(dc, 10, 322, 24 * layout.cx, 2 * layout.cy, company, TRUE);
    strips.DrawPersonTitle(dc, 300, 322, 24 * layout.cx, 2 * layout.cy, &company, "Bo Lind");

    Caption(10, 380, "DrawEtchedFrame");
    strips.DrawEtchedFrame(dc, 10, 410, 300, 70);
    // The heading's background interrupts the frame's top edge.
    dc.SetBkColor(Sys(COLOR_BTNFACE));
    CFont* old = dc.SelectObject(fonts.GetMessageFont());
    const CSize heading = dc.GetTextExtent(" Realestate ");
    DrawTextInRect(dc, " Realestate ", CRect(20, 402, 20 + heading.cx, 402 + layout.cy), 0, TRUE,
                   0, -1);
    dc.SelectObject(old);
    Save("marks.png");
}

TEST_F(GalleryTest, EveryPictureOfTheProgramFolder) {
    LoadStrips();
    Begin(760, 900);
    int x = 10, y = 10, rowHeight = 0;
    for (const SPictureEntry& entry : CPictureCatalog::Entries()) {
        CBitmap picture;
        ASSERT_TRUE(CPictureStrips::LoadPicture(CProgramFolder::Get() + entry.FileName(), entry,
                                                &palette, picture))
            << entry.FileName();
        const int width = std::max(entry.width, 90);
        if (x + width > 750) {
            x = 10;
            y += rowHeight + 8;
            rowHeight = 0;
        }
        const std::string label = entry.FileName().substr(4);
        DrawTextInRect(dc, label.c_str(), CRect(x, y, x + width, y + 16), 0, FALSE, 0, -1);
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
        CBitmap* old = memory.SelectObject(&picture);
        dc.BitBlt(x, y + 18, entry.width, entry.height, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
        x += width + 12;
        rowHeight = std::max(rowHeight, entry.height + 18);
    }
    Save("pictures.png");
}

}  // namespace
