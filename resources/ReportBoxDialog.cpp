// Dialog 360: the report box. The text fills the box left of the buttons;
// the panel across its top and the picture and face on its left are hidden
// until the box shows them, and so is the second button.

#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"

namespace mercavo_resources {

namespace {
constexpr const char* kFaceClass = "VELMO_3DFaceWindow";
}  // namespace

const DIALOGTEMPLATE& ReportBoxDialog() {
    using namespace mercavo_ids;
    static const DIALOGTEMPLATE dialog = {
        static_cast<int>(kReportBoxDialog),
        "Report",
        "MS Sans Serif",
        8,
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
        0,
        0,
        360,
        142,
        {{kReportBoxPanel, DialogItemKind::Custom, kFaceClass, "", 0, 3, 3, 313, 25},
         {kReportBoxText, DialogItemKind::Custom, kFaceClass, "", WS_VISIBLE, 3, 3, 313, 136,
          WS_EX_CLIENTEDGE},
         {IDOK, DialogItemKind::Button, nullptr, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
          317, 3, 40, 14},
         {IDCANCEL, DialogItemKind::Button, nullptr, "Cancel", WS_TABSTOP | BS_PUSHBUTTON, 317, 19,
          40, 14},
         {kReportBoxPicture, DialogItemKind::Custom, kFaceClass, "", 0, 3, 3, 108, 136},
         {kReportBoxFace, DialogItemKind::Custom, kFaceClass, "", 0, 3, 3, 108, 136}}};
    return dialog;
}

}  // namespace mercavo_resources
