#pragma once
// Edit fields: single-line (with ES_NUMBER for digits only and a length
// limit) and multi-line (wrapped at the field's width; read-only ones are
// what the dialogs use to show longer texts, scrolled with WS_VSCROLL).
// Every change of the text, by the user or by SetWindowText, sends
// EN_CHANGE to the parent; a refused character beeps nothing and changes
// nothing. Texts are UTF-8; positions count bytes and never split a
// character.

#include <string>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Wnd.h"

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // 0 = no limit (other than a generous one against runaway input).
    void LimitText(int maxBytes = 0);
    int GetLimitText() const;
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const std::string& text, BOOL canUndo = FALSE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    int GetLineCount() const;
    // Multi-line: the first shown line.
    int GetFirstVisibleLine() const;
    void LineScroll(int lines, int chars = 0);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCT* create) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnKillFocus(CWnd* newWnd) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    bool IsMultiLine() const { return (GetStyle() & ES_MULTILINE) != 0; }
    bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
    void Insert(const std::string& text);
    void EraseSelection();
    void Changed();
    void UpdateScroll();
    int PositionAt(CPoint point) const;
};
