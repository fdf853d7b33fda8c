#include "platform/ui/DialogTemplateRegistry.h"
#include "platform/ui/StringTable.h"
#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"

namespace mercavo_resources {

void Register() {
    CMenu::RegisterTemplate(&MainMenu());
    CAcceleratorTable::Register(mercavo_ids::kMainResource, &Accelerators());
    CDialogTemplateRegistry::Register(&AboutDialog());
    CDialogTemplateRegistry::Register(&ReportBoxDialog());
    for (const DIALOGTEMPLATE* dialog : SetUpDialogs()) CDialogTemplateRegistry::Register(dialog);
    for (const SStringEntry& s : Strings()) CStringTable::Register(s.id, s.text);
}

}  // namespace mercavo_resources
