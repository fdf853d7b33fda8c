// The "MainWindow" placement read from arbitrary profile text: a text that
// is refused leaves the placement as it was; one that is taken formats back
// to a text that reads as the same placement.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/ui/WindowPlacement.h"

namespace {

bool Same(const WINDOWPLACEMENT& a, const WINDOWPLACEMENT& b) {
    return a.flags == b.flags && a.showCmd == b.showCmd &&
           a.ptMinPosition.x == b.ptMinPosition.x && a.ptMinPosition.y == b.ptMinPosition.y &&
           a.ptMaxPosition.x == b.ptMaxPosition.x && a.ptMaxPosition.y == b.ptMaxPosition.y &&
           std::memcmp(&a.rcNormalPosition, &b.rcNormalPosition, sizeof(RECT)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = size ? std::string(reinterpret_cast<const char*>(data), size) : "";
    WINDOWPLACEMENT untouched;
    untouched.showCmd = 7;
    untouched.rcNormalPosition = RECT{1, 2, 3, 4};
    WINDOWPLACEMENT placement = untouched;
    if (!CWindowPlacement::Parse(text, &placement)) {
        if (!Same(placement, untouched)) std::abort();
        return 0;
    }
    WINDOWPLACEMENT again = untouched;
    if (!CWindowPlacement::Parse(CWindowPlacement::Format(placement), &again)) std::abort();
    if (!Same(again, placement)) std::abort();
    return 0;
}
