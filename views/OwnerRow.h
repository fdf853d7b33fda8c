#pragma once
// What every owner-drawn list of the dialogs shares: the four row states
// (0 normal, 1 selected, 2 unavailable, 3 selected and unavailable) with
// their backgrounds, the measures rows are laid out in, the row fill, the
// focus frame and the company colour mark.

#include <string>

#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/Rect.h"
#include "platform/gfx/Size.h"

class CDC;
class CEnterprise;
class CVDoc;

namespace OwnerRow {

enum EState { kNormal = 0, kSelected = 1, kUnavailable = 2, kSelectedUnavailable = 3 };

// The state of a row; it is also the text style the drawing helpers take.
int StateOf(bool selected, bool available);
// Button face for 0 and 2, active caption for 1, inactive caption for 3.
COLORREF Background(int state);

// The application's layout size (average character width, line height),
// its character size of the second message font and the colour-mark cell;
// sensible fallbacks while no host is registered.
CSize LayoutSize();
CSize CharSize();
CSize MarkCell();
// The document the dialogs work on; nullptr while none.
CVDoc* Document();

// Fills the rectangle with the state's background.
void Fill(CDC& dc, const RECT& rect, int state);
// The halftone frame one pixel inside an item that has the focus.
void FocusFrame(CDC& dc, const RECT& rect);
// Frames the item when the draw request's state holds the focus.
void FocusFrameIf(CDC& dc, const RECT& rect, unsigned itemState);
// Fills a window's client area with the button face (WM_ERASEBKGND).
void EraseClient(CDC& dc, const RECT& client);

// The colour mark of a company centred on (x, y); nothing for nullptr.
void DrawCompanyMark(CDC& dc, int x, int y, const CEnterprise* company);
// The company of a document by index; nullptr outside the table.
const CEnterprise* CompanyAt(int index);

// printf-style formatting of one int.
std::string Format(const char* format, int value);
// "%lf" of a rate cut to its first five characters (0.5 -> "0.500").
std::string RateText(double rate);
// "Win:%2d Lose:%2d Draw:%2d " and what follows it in a table's results.
std::string RecordText(int wins, int losses, int draws);

}  // namespace OwnerRow
