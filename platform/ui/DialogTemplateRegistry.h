#pragma once
// The program's dialog templates by id, so that a dialog can be made from
// its template id. The resource tables register theirs at start-up.

#include "platform/ui/DialogTemplate.h"

class CDialogTemplateRegistry {
public:
    // The template must outlive its use (the tables are static). A second
    // template with the same id replaces the first.
    static void Register(const DIALOGTEMPLATE* dialog);
    static const DIALOGTEMPLATE* Find(int id);
    static void Unregister(int id);
};
