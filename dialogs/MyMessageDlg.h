#pragma once
// The game's one report and question box (template 360): a company panel or
// a person's line across the top, a face, a building picture or the fixed
// report picture on the left, the scrolling text of runs, and OK or
// Yes/No (with the second button for questions). A short text without
// pictures gives a smaller box. In advice mode every line carries a place
// on the map, and a click on a line selects its area and blinks the
// building there.
//
// The caller fills the box (setters, runs added to GetTextWnd()) and runs
// it with DoModal: IDOK for OK or Yes, IDCANCEL for Cancel, No, Escape or
// the close box. A report without its second button cannot be dismissed
// while a person gives orders; only OK (or its time-out) ends it then.
//
// In an unattended run (MERCAVO_AUTO_ANSWER) it logs the caption and the
// lines and takes OK without a window. Tests may replace the modal run with
// a hook that reads the filled box and answers.

#include <functional>
#include <string>
#include <vector>

#include "dialogs/BaseDialog.h"
#include "model/CellPoint.h"
#include "resources/MercavoIds.h"
#include "views/DrawBDWnd.h"
#include "views/DrawBMWnd.h"
#include "views/DrawEPWnd.h"
#include "views/DrawFaceWnd.h"
#include "views/DrawPDWnd.h"
#include "views/DrawTextWnd.h"

class CMyMessageDlg : public CBaseDialog {
public:
    static constexpr UINT kTemplateId = mercavo_ids::kReportBoxDialog;
    // The template's controls.
    static constexpr int kPanelId = mercavo_ids::kReportBoxPanel;
    static constexpr int kTextId = mercavo_ids::kReportBoxText;
    static constexpr int kPictureId = mercavo_ids::kReportBoxPicture;
    static constexpr int kFaceId = mercavo_ids::kReportBoxFace;
    // The room between the pictures and the text, in pixels.
    static constexpr int kGap = 4;
    // The blink period of the building an advice line points at.
    static constexpr int kBlinkMs = 180;

    // The place on the map an advice line speaks of: area -1 none; a
    // negative coordinate: no cell.
    struct SLineTag {
        int area = -1;
        CCellPoint cell{-1, -1};
        bool operator==(const SLineTag& other) const {
            return area == other.area && cell.x == other.cell.x && cell.y == other.cell.y;
        }
    };

    // Answers for a filled box instead of its modal run (IDOK or IDCANCEL).
    using ModalHook = std::function<int(CMyMessageDlg&)>;
    static void SetModalHook(ModalHook hook);

    explicit CMyMessageDlg(CWnd* parent = nullptr);

    // "Report" unless set ("Advice", "The bid result", "MERCAVO").
    void SetCaption(const std::string& caption) { m_caption = caption; }
    // The company whose panel is shown; -1 none.
    void SetEnterprise(int company) { m_company = company; }
    // 1: the president's name under the company's; 0: the name alone.
    void SetEnterpriseStyle(int style) { m_panelStyle = style; }
    // The person (directors' table) whose face is shown; -1 none. Without a
    // company, the person's line takes the panel's place.
    void SetPerson(int person) { m_person = person; }
    // The structure type whose picture is shown; -1 none.
    void SetStructure(int type) { m_structure = type; }
    // 1: the fixed report picture is shown when no structure is.
    void SetBitmap(int shown) { m_bitmap = shown; }
    // 1: the buttons read "Yes" and "No".
    void SetYesNoMode(int on) { m_yesNo = on; }
    // 1: the second button is shown (questions).
    void SetCancelShown(int shown) { m_cancelShown = shown; }
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
    int IsYesNoMode() const { return m_yesNo; }
    int IsCancelShown() const { return m_cancelShown; }
    int IsAdviceList() const { return m_lineClick; }
    const std::vector<SLineTag>& GetLineTags() const { return m_tags; }

    int DoModal() override;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A report without its second button ends as OK; a question as a cancel.
    int ForcedResult() const override { return m_cancelShown ? IDCANCEL : IDOK; }

private:
    void AttachPictures();
    // With a picture on the left: the panel and the text move right of it.
    void LayOutBesidePicture();
    // Without one: a quarter narrower, and only as tall as the text needs.
    void ShrinkToText();
    CRect ItemRect(int id) const;
    void PlaceItem(int id, const CRect& rect);
    void OnLineClicked(int number);
    void EndHighlight();
    std::string LogText() const;

    std::string m_caption = "Report";
    int m_yesNo = 0;
    int m_cancelShown = 0;
    int m_company = -1;
    int m_panelStyle = 1;
    int m_person = -1;
    int m_structure = -1;
    int m_bitmap = 0;
    int m_lineClick = 0;
    std::vector<SLineTag> m_tags;
    CDrawEPWnd m_panel;
    CDrawPDWnd m_personLine;
    CDrawFaceWnd m_face;
    CDrawBDWnd m_structurePicture;
    CDrawBMWnd m_bitmapPicture;
    CDrawTextWnd m_text;
};
