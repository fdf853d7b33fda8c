// Accelerator table 100 of the main frame.

#include "platform/ui/Messages.h"
#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"

namespace mercavo_resources {

namespace {

using namespace mercavo_ids;

constexpr int kF2 = VK_F1 + 1;
constexpr int kF6 = VK_F1 + 5;

ACCEL Key(BYTE modifiers, int key, UINT command) {
    return {static_cast<BYTE>(FVIRTKEY | modifiers), static_cast<WORD>(key),
            static_cast<WORD>(command)};
}

}  // namespace

const CAcceleratorTable& Accelerators() {
    static const CAcceleratorTable table({
        Key(FCONTROL, 'A', kProsperityDisplay),
        Key(FCONTROL, 'C', kEditCopy),
        Key(FCONTROL, VK_INSERT, kEditCopy),
        Key(FCONTROL, 'H', kHistoryTexts),
        Key(FCONTROL, 'N', kFileNew),
        Key(FCONTROL, 'O', kFileOpen),
        Key(FCONTROL, 'Q', kEndOperations),
        Key(FCONTROL, 'S', kFileSave),
        Key(FCONTROL, 'V', kEditPaste),
        Key(FSHIFT, VK_INSERT, kEditPaste),
        Key(FCONTROL, 'X', kEditCut),
        Key(FSHIFT, VK_DELETE, kEditCut),
        Key(FCONTROL, 'Z', kEditUndo),
        Key(FALT, VK_BACK, kEditUndo),
        Key(FSHIFT, VK_LEFT, kCursorToCentre),
        Key(FSHIFT, VK_UP, kCursorToCentre),
        Key(FSHIFT, VK_RIGHT, kCursorToCentre),
        Key(FSHIFT, VK_DOWN, kCursorToCentre),
        Key(0, VK_F1, kHelpF1),
        Key(FSHIFT, VK_F1, kHelpContext),
        Key(0, kF2, kNetworkWindow),
        Key(0, kF6, kNextPane),
        Key(FSHIFT, kF6, kPrevPane),
    });
    return table;
}

}  // namespace mercavo_resources
