#pragma once
// A view for the map window in tests: the shown area, zoom, map mode and
// colours are plain fields; the company pens are made here; there is no
// palette and no font.

#include <string>
#include <vector>

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
    int GetPickFlag() const override { return pickFlag; }
    int IsInputEnabled() const override { return inputEnabled; }
    void GetMapColors(COLORREF& t, COLORREF& b) const override {
        t = top;
        b = bottom;
    }

    // The frame's side of clicks, keys and the context menu, recorded.
    void PickMapCell(CCellPoint cell) override { picks.push_back(cell); }
    void EndMapPick(int force) override {
        endPicks.push_back(force);
        mapMode = 0;
    }
    void DoAreaPortfolio() override { frameCalls.push_back("DoAreaPortfolio"); }
    void ShowAreaExplanation() override { frameCalls.push_back("ShowAreaExplanation"); }

    int area = 0;
    double zoom = 1.0;
    int mapMode = 0;
    COLORREF top = RGB(255, 255, 255);
    COLORREF bottom = RGB(63, 63, 63);
    CCompanyPens pens;
    int pickFlag = 0;
    int inputEnabled = 1;
    std::vector<CCellPoint> picks;
    std::vector<int> endPicks;
    std::vector<std::string> frameCalls;
};
