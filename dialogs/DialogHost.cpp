#include "dialogs/DialogHost.h"

namespace {
IDialogHost* g_host = nullptr;
}  // namespace

IDialogHost* IDialogHost::Get() {
    return g_host;
}

void IDialogHost::Set(IDialogHost* host) {
    g_host = host;
}
