#pragma once
// What the standard controls share: telling the parent (notifications,
// owner drawing), the font to draw with, and the common pictures (raised
// and sunken boxes, check marks, arrows, wrapped text).

#include <any>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/WndImpl.h"

class CControlSupport {
public:
    // The state a control keeps with its window (created on first use; a
    // window taken over by another kind of control starts afresh).
    template <typename T>
    static T* State(const CWnd* wnd) {
        if (!wnd->IsWindow()) return nullptr;
        std::any& slot = wnd->PlatformImpl().controlState;
        if (!slot.has_value() || slot.type() != typeid(T)) slot = T{};
        return std::any_cast<T>(&slot);
    }

    // The radio group of a control: its siblings from the last one with
    // WS_GROUP (at or before it) up to the next one with WS_GROUP.
    static std::vector<CWnd*> Group(CWnd* control);

    // Any notification for the parent: offered to the control itself first
    // (OnChildNotify), then sent to the parent.
    static LRESULT ToParent(CWnd* control, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND with the control's id and the code, sent to the parent.
    static void Command(CWnd* control, UINT code);
    // WM_NOTIFY with the record (its head is filled in here).
    static LRESULT Notify(CWnd* control, NMHDR& head, UINT code);
    // WM_DRAWITEM (the control itself first, then the parent); false when
    // nobody drew.
    static bool DrawItem(CWnd* control, DRAWITEMSTRUCT& dis);
    // WM_MEASUREITEM (the control itself first, then the parent).
    static void Measure(CWnd* control, MEASUREITEMSTRUCT& mis);
    // An item's height: the line height of the control's font, or what the
    // owner answers to WM_MEASUREITEM when `ask`; kept within 1..0xFFFF.
    static int ItemHeight(CWnd* control, MEASUREITEMSTRUCT& mis, bool ask);
    // WM_DRAWITEM for one item of a list, on `dc`, whose state the owner may
    // change freely: it is restored afterwards.
    static void DrawListItem(CWnd* control, CDC& dc, DRAWITEMSTRUCT& dis);
    // A control's own DrawItem / MeasureItem override gets the message it
    // reflected: `call` runs the override, whose default implementation sets
    // `declined`. TRUE (with *result TRUE) when the override took it.
    template <typename Call>
    static BOOL OfferToSelf(bool& declined, LRESULT* result, Call call) {
        declined = false;
        call();
        if (declined) return FALSE;
        if (result) *result = TRUE;
        return TRUE;
    }
    // The same for the item messages of a list or combo box, which offers
    // both WM_DRAWITEM and WM_MEASUREITEM.
    template <typename Control>
    static BOOL OfferItemToSelf(Control& control, UINT message, LPARAM lParam, LRESULT* result,
                                bool& drawDeclined, bool& measureDeclined) {
        if (message == WM_DRAWITEM) {
            return OfferToSelf(drawDeclined, result, [&] {
                control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
            });
        }
        if (message == WM_MEASUREITEM) {
            return OfferToSelf(measureDeclined, result, [&] {
                control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
            });
        }
        return FALSE;
    }
    // The parent's (or the control's own, reflected) background brush.
    static CBrush* CtlColor(CWnd* control, CDC& dc, UINT type);
    // Fills `r` with the WM_CTLCOLOR brush, or else with `fallback`.
    static void Background(CWnd* control, CDC& dc, const CRect& r, UINT type, COLORREF fallback);
    // The new first line or position a scroll code asks for; false for a
    // code that moves nothing. `bottom` is where SB_BOTTOM goes.
    static bool ScrollTarget(UINT code, UINT thumb, int current, int page, int bottom, int& target);

    // Selects the control's font into the context and returns the old one.
    static CFont* SelectFont(const CWnd* control, CDC& dc);
    static int LineHeight(const CWnd* control);

    static void Raised(CDC& dc, const CRect& r);
    static void Sunken(CDC& dc, const CRect& r);
    // A frame cut into the face: a shadow line with a light one inside.
    static void Etched(CDC& dc, const CRect& r);
    // A bitmap at the top left of `r`, or centred in it.
    static void Picture(CDC& dc, CBitmap& bitmap, const CRect& r, bool centred);
    // A push button face, pressed or not, with the default button's frame.
    static void ButtonFace(CDC& dc, CRect r, bool pressed, bool isDefault);
    static void CheckBox(CDC& dc, const CRect& box, int state, bool enabled);
    static void RadioBox(CDC& dc, const CRect& box, bool checked, bool enabled);
    // A solid triangle pointing up, down, left or right (0..3).
    static void Arrow(CDC& dc, const CRect& r, int direction, bool enabled);
    // Text in a rectangle: horizontal alignment 0 left, 1 centre, 2 right;
    // wrapped at spaces and line breaks when `wrap`, else one line
    // vertically centred. '&' marks the next character and is not drawn.
    static void Text(CDC& dc, const CRect& r, const std::string& text, int align, bool wrap,
                     bool enabled);
    // The text of a plain list item: highlighted when selected, grey when
    // disabled.
    static void ItemText(CDC& dc, const CRect& r, const std::string& text, bool selected,
                         bool enabled);
    static std::string StripMnemonic(const std::string& text);
    // Doubles every '&', so that Text shows the text as it is.
    static std::string EscapeMnemonic(const std::string& text);
};
