#include "views/AreaFocus.h"

#include "views/InfoWnd.h"
#include "views/ViewHost.h"

namespace AreaFocus {

namespace {

IViewHost* ViewOf(CWnd& from) {
    for (CWnd* wnd = &from; wnd; wnd = wnd->GetParent())
        if (auto* info = dynamic_cast<CInfoWnd*>(wnd)) return info->GetViewHost();
    return nullptr;
}

}  // namespace

void FocusAreaTabs(CWnd& from) {
    if (IViewHost* view = ViewOf(from)) view->FocusAreaTabs();
}

void FocusFirstAreaButton(CWnd& from) {
    if (IViewHost* view = ViewOf(from)) view->FocusFirstAreaButton();
}

}  // namespace AreaFocus
