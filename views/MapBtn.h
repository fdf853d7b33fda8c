#pragma once
// One area button of the area button frame, drawn by itself: the area's
// number and name, and on a second line the figure of the frame's display
// mode (land price with the marks of the companies that expanded there,
// population, governor with relation gauges, city project, disaster,
// expo). The shown area's button stands pressed in the caption colours. A
// click shows its area on the map; Up and Down walk the areas (wrapping),
// Tab leads on to the company selector and Shift+Tab back to the tab strip.

#include <cstdint>
#include <vector>

#include "platform/ui/Button.h"

class CDC;
class CMapBtnFrame;
class CVDoc;

class CMapBtn : public CButton {
public:
    static constexpr int kScaleFloor = 1000;

    explicit CMapBtn(CMapBtnFrame& frame) : m_frame(frame) {}

    // The area shown, 0-based; -1 while the slot shows none.
    int GetArea() const { return m_area; }
    void SetArea(int area) { m_area = area; }
    // Fills the values of the share bar (or of the relation gauges) and
    // their total for a display mode from the document's figures.
    void ComputeValues(int mode, CVDoc* doc);
    const std::vector<int>& GetValues() const { return m_values; }
    int64_t GetTotal() const { return m_total; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    struct SPaint;
    void DrawFirstLine(SPaint& paint) const;
    void DrawSecondLine(SPaint& paint) const;
    void DrawMarks(SPaint& paint, int textRight) const;
    void DrawGauges(SPaint& paint, int left) const;
    void DrawShareBar(SPaint& paint, CRect rect) const;

    CMapBtnFrame& m_frame;
    int m_scaleFloor = kScaleFloor;
    std::vector<int> m_values;
    // Wide enough for any sum of investments.
    int64_t m_total = 0;
    int m_area = -1;
};
