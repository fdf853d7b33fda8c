// Order records read from arbitrary network text: the reader may only
// refuse with its error, and an order it accepts is written back to a text
// that reads as the same order.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/CmdSet.h"
#include "model/MercavoError.h"

namespace {
void CheckRoundTrip(const CCmdSet& order) {
    try {
        std::string text;
        // Every field read from the text fits its width again; only the
        // room may be too small for the lists.
        if (!order.AppendText(text, 1 << 20)) std::abort();
        CCmdSet again;
        if (again.ReadText(text) != text.size() || !(again == order)) std::abort();
    } catch (...) {
        std::abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CCmdSet order;
    try {
        size_t used = order.ReadText(text);
        if (used > text.size()) std::abort();
    } catch (eMERCAVO_ERROR) {
        return 0;
    }
    CheckRoundTrip(order);
    return 0;
}
