#pragma once
// The colour dialog: 48 basic colours, 16 custom colours, the red, green
// and blue values and a preview. m_cc.rgbResult is the starting colour with
// CC_RGBINIT and the chosen one after IDOK; m_cc.lpCustColors, when given,
// points to the caller's 16 custom colours, which the dialog reads and
// (on IDOK) writes back. Under auto-answer the dialog is cancelled at once.

#include <memory>

#include "platform/ui/Dialog.h"

constexpr DWORD CC_RGBINIT = 0x00000001;
constexpr DWORD CC_FULLOPEN = 0x00000002;
constexpr DWORD CC_PREVENTFULLOPEN = 0x00000004;

class CColorGridWnd;

class CColorDialog : public CDialog {
public:
    struct CHOOSECOLOR {
        COLORREF rgbResult = 0;
        COLORREF* lpCustColors = nullptr;  // 16 entries
        DWORD Flags = 0;
    };

    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    ~CColorDialog() override;

    int DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // For tests and the dialog: the colour on show.
    COLORREF CurrentColor() const { return m_current; }
    void SetCurrentColor(COLORREF color);

    CHOOSECOLOR m_cc;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildTemplate();
    void ShowValues();

    COLORREF m_current = 0;
    COLORREF m_custom[16] = {};
    int m_nextCustom = 0;
    bool m_updating = false;
    std::unique_ptr<CColorGridWnd> m_basic;
    std::unique_ptr<CColorGridWnd> m_customGrid;
    DIALOGTEMPLATE m_dialog;
};
