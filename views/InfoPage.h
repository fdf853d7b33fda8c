#pragma once
// What the company pages of the information window share: the company
// their pages frame shows, the active game document and the application's
// layout cell, and painting a whole page off screen so that its many texts
// never flicker.

#include <functional>

#include "platform/gfx/Size.h"

class CDC;
class CEnterprise;
class CVDoc;
class CWnd;

namespace InfoPage {

// The shown company of the pages frame that is the page's parent; -1 when
// none is shown or the parent is no pages frame.
int ShownCompanyIndex(const CWnd& page);
// The document of the running game; nullptr while none.
CVDoc* Document();
// The shown company's record; nullptr when none is shown or it is not in
// the document.
const CEnterprise* ShownCompany(const CWnd& page);
// The application's character cell (width, height) that page positions
// are multiples of.
CSize LayoutCell();

// Draws into a width x height bitmap filled with the button face, with the
// application's palette and message font selected, the button face as
// background colour and a transparent text background, then copies it onto
// dc at the origin in one piece. Nothing is drawn when the bitmap cannot be
// made.
void PaintOffScreen(CDC& dc, int width, int height, const std::function<void(CDC&)>& draw);
// The same drawing set-up directly on dc, for pictures of a page.
void PrepareContext(CDC& dc, int width, int height);

}  // namespace InfoPage
