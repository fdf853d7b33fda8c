#pragma once
// A view for the map window in tests: the shown area, zoom, map mode and
// colours are plain fields; the company pens are made here; there is no
// palette and no font.

#include "model/CompanyPens.h"
#include "views/ViewHost.h"

class CFakeViewHost : public IViewHost {
public:
    CFakeViewHost() { pens.Create(); }
    ~CFakeViewHost() override { pens.Release(); }

    int GetShownArea() const override { return area; }
    int ShowArea(int a) override {
        if (a == area) return 0;
        area = a;
        return 1;
    }
    void DragInfoWindow(int) override {}
    void SetSelectPaneWidth(int) override {}
    int SetDirection(int) override { return 0; }
    CPalette* GetPalette() override { return nullptr; }
    CCompanyPens* GetCompanyPens() override { return &pens; }
    CFont* GetMessageFont(int) override { return nullptr; }
    double GetMapDrawRate() const override { return zoom; }
    int GetMapMode() const override { return mapMode; }
    int GetPickFlag() const override { return 0; }
    int IsInputEnabled() const override { return 1; }
    void GetMapColors(COLORREF& t, COLORREF& b) const override {
        t = top;
        b = bottom;
    }

    int area = 0;
    double zoom = 1.0;
    int mapMode = 0;
    COLORREF top = RGB(255, 255, 255);
    COLORREF bottom = RGB(63, 63, 63);
    CCompanyPens pens;
};
