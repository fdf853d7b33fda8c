#pragma once
// The application's drawing resources for the building blocks in tests and
// the gallery: the game palette and the picture strips of the program
// folder, the three fonts made from the colour-mark cell height, the
// company pens, a document the test names and 16 custom colours. Registers
// itself as the host while it lives.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/AppFonts.h"
#include "model/CompanyPens.h"
#include "model/GamePaletteFile.h"
#include "model/PictureStrips.h"
#include "platform/core/ProgramFolder.h"
#include "platform/gfx/Palette.h"
#include "platform/ui/ClientDC.h"
#include "views/BlockHost.h"

class CFakeBlockHost : public IBlockHost {
public:
    CFakeBlockHost() {
        const std::string folder = CProgramFolder::Get();
        CGamePaletteFile file;
        loaded = file.ReadFile(folder + CGamePaletteFile::kFileName) ==
                     CGamePaletteFile::EResult::Ok &&
                 palette.CreatePalette(file.Entries().data(),
                                       static_cast<int>(file.Entries().size())) &&
                 strips.Load(folder, &palette);
        CClientDC screen(nullptr);
        loaded = loaded && fonts.Create(strips.GetIconCellSize().cy, screen) && pens.Create();
        custom.fill(RGB(255, 255, 255));
        IBlockHost::Set(this);
    }
    ~CFakeBlockHost() override {
        IBlockHost::Set(nullptr);
        pens.Release();
    }
    CFakeBlockHost(const CFakeBlockHost&) = delete;
    CFakeBlockHost& operator=(const CFakeBlockHost&) = delete;

    CPalette* GetPalette() override { return &palette; }
    CPictureStrips* GetMarkStrips() override { return &strips; }
    CAppFonts* GetAppFonts() override { return &fonts; }
    CCompanyPens* GetColourPens() override { return &pens; }
    CVDoc* GetActiveDocument() override { return doc; }
    COLORREF GetCustomColour(int index) override { return custom.at(static_cast<size_t>(index)); }
    void SetCustomColour(int index, COLORREF colour) override {
        custom.at(static_cast<size_t>(index)) = colour;
    }

    CSize MarkCell() const { return strips.GetIconCellSize(); }

    bool loaded = false;
    CPalette palette;
    CPictureStrips strips;
    CAppFonts fonts;
    CCompanyPens pens;
    CVDoc* doc = nullptr;
    std::array<COLORREF, kCustomColourCount> custom{};
};
