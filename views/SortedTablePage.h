#pragma once
// A company page with a sortable table: a title strip, a "Reset Order"
// button at its right, a header whose column clicks sort the rows (a second
// click on the same column reverses the direction, which every column
// shares) and whose dragged widths are kept, the rows' body and a scroll
// bar when they do not all fit. Sort column, direction and widths belong
// to the viewing company's record, so each company keeps its own
// arrangement and it is saved with the game; widths never set fall back to
// the defaults fixed at creation. The first visible row survives a layout
// (clamped to the rows there are) and the bar always shows it.

#include <span>
#include <vector>

#include "platform/ui/Button.h"
#include "views/BtnScrollBar.h"
#include "views/InfoBasePageWnd.h"
#include "views/MyHeaderCtrl.h"

class CDC;
class CEnterprise;
class CSortedTableBody;

class CSortedTablePage : public CInfoBasePageWnd {
public:
    static constexpr UINT kResetButtonId = 2013;

    struct SColumn {
        const char* title;
        int cells;   // the default width in character widths (plus 10 pixels)
        int format;  // HDF_LEFT or HDF_RIGHT
    };
    struct SChildIds {
        UINT header, body, scrollBar;
    };
    // Where a company record keeps the page's arrangement.
    struct SArrangementFields {
        int (CEnterprise::*getColumn)() const;
        void (CEnterprise::*setColumn)(int);
        int (CEnterprise::*getDirection)() const;
        void (CEnterprise::*reverseDirection)();
        int (CEnterprise::*getWidth)(int) const;
        void (CEnterprise::*setWidth)(int, int);
    };

    // Re-reads the viewing company's arrangement, sorts, lays out and
    // repaints.
    void Refresh() override;
    // The mouse wheel over the page: a row per 120 units, smaller turns
    // nothing; only while the bar shows.
    void ScrollByWheel(int delta, int x, int y);
    // Back to the first row (the pages frame shows the page anew).
    void ResetTopRow();

    int GetRowsPerPage() const { return m_rowsPerPage; }
    const std::vector<int>& GetDefaultWidths() const { return m_defaultWidths; }
    // The header's current column widths.
    std::vector<int> GetColumnWidths() const;
    CMyHeaderCtrl& GetHeader() { return m_header; }
    CButton& GetResetButton() { return m_resetButton; }
    CBtnScrollBar& GetScrollBar() { return m_scrollBar; }
    CSortedTableBody& GetBody() { return m_body; }

    // The company the pages frame switched to (whose record keeps the
    // arrangement); -1 none.
    int GetViewingIndex() const;
    // The height of the top strip with the title (and the button).
    int GetHeaderTop() const;
    // The width of the application's caption-line size (the interface
    // font's average character width).
    static int CaptionWidth();

protected:
    CSortedTablePage(std::span<const SColumn> columns, const SChildIds& ids,
                     const SArrangementFields& fields, CSortedTableBody& body);

    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The width unit of the default column widths.
    virtual int DefaultWidthUnit() const = 0;
    // The header's top: the height of the title strip.
    virtual int HeaderTopFor(CSize layout) const = 0;
    // Whether the page lays out now / takes wheel turns now.
    virtual bool CanLayout() const { return true; }
    virtual bool TakesWheel() const = 0;
    // Sorts the body by the viewing company's arrangement.
    virtual void SortBody();
    // Paints the title strip of a page of the given width.
    virtual void DrawTitle(CDC& dc, int width) const = 0;

    CEnterprise* ViewingCompany() const;
    void Layout(int cx, int cy);
    // The header's widths into the viewing company's record and the body.
    void SaveColumnWidths();
    const SArrangementFields& Fields() const { return m_fields; }
    // The right edge for a title beside the button: the button's left edge
    // while the button window exists (shown or not), else the page's width.
    int TitleRight(int width) const;

private:
    bool CreateHeader();
    void SortByColumn(int column);
    void ResetOrder();
    void ScrollTo(int row);
    void SetColumnWidth(int column, int width);
    int LastTopRow() const;

    std::span<const SColumn> m_columns;
    SChildIds m_ids;
    SArrangementFields m_fields;
    CSortedTableBody& m_body;
    CButton m_resetButton;
    CMyHeaderCtrl m_header;
    CBtnScrollBar m_scrollBar;
    int m_rowsPerPage = 0;
    std::vector<int> m_defaultWidths;
};
