#pragma once
// The keyboard focus from the information window over to the area
// buttons: a window inside the information window asks the view that
// holds it (nothing happens outside a view).

class CWnd;

namespace AreaFocus {

// The focus to the area buttons' tab strip.
void FocusAreaTabs(CWnd& from);
// The focus to the first area button.
void FocusFirstAreaButton(CWnd& from);

}  // namespace AreaFocus
