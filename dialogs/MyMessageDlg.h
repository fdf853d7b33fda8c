#pragma once
// The report box: a caption, a company panel, a face, a building picture or
// a fixed bitmap, a text window of runs, OK and an optional Cancel. For now
// its modal run shows a plain dialog of the caption, the company panel as
// the company's mark and name, each text line as its runs (in their fonts
// and colours, company names after their marks), OK and (when shown)
// Cancel; timer 10 posts OK after the automatic-close period. In an unattended run (MERCAVO_AUTO_ANSWER) it logs
// the caption and the lines and takes OK at once. Tests replace the modal
// run with a hook that reads the filled box and answers.

#include <functional>
#include <string>
#include <vector>

#include "model/CellPoint.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "views/DrawTextWnd.h"

class IReportBoxHost;

// Holds the plain dialog's template so that it exists before the dialog
// base is constructed with it.
struct SMessageDlgLayout {
    DIALOGTEMPLATE layout;
};

class CMyMessageDlg : private SMessageDlgLayout, public CDialog {
public:
    static constexpr UINT kTemplateId = 360;
    static constexpr UINT_PTR kAutoCloseTimer = 10;

    // The place on the map an advice line speaks of.
    struct SLineTag {
        int area = -1;
        CCellPoint cell{-1, -1};
        bool operator==(const SLineTag& other) const {
            return area == other.area && cell.x == other.cell.x && cell.y == other.cell.y;
        }
    };

    // Answers for a filled box instead of its modal run (IDOK or IDCANCEL).
    using ModalHook = std::function<int(CMyMessageDlg&)>;
    // Called when the plain dialog has opened (the real modal run).
    using OpenHook = std::function<void(CMyMessageDlg&)>;
    static void SetModalHook(ModalHook hook);
    static void SetOpenHook(OpenHook hook);
    // Who draws the colour marks; nullptr: the marks are left out.
    static void SetHost(IReportBoxHost* host);

    explicit CMyMessageDlg(CWnd* parent = nullptr);

    void SetCaption(const std::string& caption) { m_caption = caption; }
    // The company whose panel is shown; -1 none.
    void SetEnterprise(int company) { m_company = company; }
    // 1: the president's name under the company's; 0: the name alone.
    void SetEnterpriseStyle(int style) { m_panelStyle = style; }
    // The person whose face is shown; -1 none.
    void SetPerson(int person) { m_person = person; }
    // The structure type whose picture is shown; -1 none.
    void SetStructure(int type) { m_structure = type; }
    // 1: the fixed bitmap is shown when no structure is.
    void SetBitmap(int shown) { m_bitmap = shown; }
    void SetCancelShown(int shown) { m_cancelShown = shown; }
    // 0: the frame is not told that the box is open.
    void SetFrameNotify(BOOL notify) { m_frameNotify = notify; }
    // The box closes itself with OK after this many milliseconds.
    void SetAutoClose(int ms) { m_autoCloseMs = ms; }
    void SetReshowNetworkWindow(BOOL reshow) { m_reshowNetworkWindow = reshow; }
    // Advice mode: every text line carries a place on the map.
    void EnableAdviceList(int flag);
    // Tags every line added since the last call with the area and cell.
    void AddAdviceItem(int area, int x, int y);

    CDrawTextWnd& GetTextWnd() { return m_text; }
    const CDrawTextWnd& GetTextWnd() const { return m_text; }

    const std::string& GetCaption() const { return m_caption; }
    int GetEnterprise() const { return m_company; }
    int GetEnterpriseStyle() const { return m_panelStyle; }
    int GetPerson() const { return m_person; }
    int GetStructure() const { return m_structure; }
    int GetBitmap() const { return m_bitmap; }
    int IsCancelShown() const { return m_cancelShown; }
    BOOL GetFrameNotify() const { return m_frameNotify; }
    int GetAutoClose() const { return m_autoCloseMs; }
    BOOL GetReshowNetworkWindow() const { return m_reshowNetworkWindow; }
    int IsAdviceList() const { return m_adviceList; }
    const std::vector<SLineTag>& GetLineTags() const { return m_lineTags; }

    int DoModal() override;
    BOOL OnInitDialog() override;

protected:
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;

private:
    void BuildLayout();
    std::string LogText() const;
    // Paints one line of runs from (x, top), each run bottom-aligned on a
    // line of the height.
    void PaintRuns(CDC& dc, const std::vector<CDrawTextWnd::SRun>& runs, int x, int top,
                   int height);
    int LinePixels() const;

    std::string m_caption = "Report";
    int m_company = -1;
    int m_panelStyle = 1;
    int m_person = -1;
    int m_structure = -1;
    int m_bitmap = 0;
    int m_cancelShown = 0;
    BOOL m_frameNotify = TRUE;
    int m_autoCloseMs = 0;
    BOOL m_reshowNetworkWindow = FALSE;
    int m_adviceList = 0;
    std::vector<SLineTag> m_lineTags;
    CDrawTextWnd m_text;
};
