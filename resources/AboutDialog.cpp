// Dialog 500: the About box with the version text and OK.

#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"

namespace mercavo_resources {

const DIALOGTEMPLATE& AboutDialog() {
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(mercavo_ids::kAboutDialog),
        "About MERCAVO",
        "MS Sans Serif",
        8,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
        0,
        0,
        180,
        62,
        {{mercavo_ids::kAboutVersionText, DialogItemKind::Static, nullptr,
          "MERCAVO Ver5.03(English edition)", WS_VISIBLE | SS_CENTER, 10, 14, 160, 10},
         {IDOK, DialogItemKind::Button, nullptr, "OK",
          WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 65, 38, 50, 14}}};
    return dialog;
}

}  // namespace mercavo_resources
