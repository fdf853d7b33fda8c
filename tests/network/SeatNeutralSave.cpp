#include "SeatNeutralSave.h"

#include <algorithm>

#include "fakes/SavedGameLayout.h"
#include "game/VDoc.h"
#include "model/FrameState.h"
#include "platform/core/TextFormat.h"

std::vector<uint8_t> CSeatNeutralSave::Bytes(const std::vector<uint8_t>& saved) {
    CVDoc doc;
    CFrameState frame;
    doc.SetFrameState(&frame);
    if (doc.LoadBytes(saved) != -1) return {};
    CFrameState fixed;
    doc.SetFrameState(&fixed);
    doc.SetViewDirection(0);
    doc.SetWaitTime(0);
    doc.SetActivityReport(0);
    doc.SetSavedArea(-1);
    return doc.SaveBytes();
}

std::string CSeatNeutralSave::Difference(const std::vector<uint8_t>& host,
                                         const std::vector<uint8_t>& client) {
    const std::vector<uint8_t> a = Bytes(host);
    const std::vector<uint8_t> b = Bytes(client);
    if (a.empty() || b.empty()) return a.empty() ? "the host's game does not load" : "the client's game does not load";
    if (a == b) return "";
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    const size_t at = static_cast<size_t>(mismatch.first - a.begin());
    // Name the part of the file where they differ.
    CVDoc doc;
    CFrameState frame;
    doc.SetFrameState(&frame);
    std::string where;
    if (doc.LoadBytes(host) == -1) {
        SLayout layout(doc);
        for (size_t c = 0; c < layout.companies.size(); ++c)
            if (at >= layout.companies[c]) where = FormatText("company %d +%d", static_cast<int>(c), static_cast<int>(at - layout.companies[c]));
        if (at < layout.starting) where = FormatText("map +%d", static_cast<int>(at - layout.map));
        for (size_t p = 0; p < layout.persons.size(); ++p)
            if (at >= layout.persons[p] && at < layout.reservedWord)
                where = FormatText("person %d +%d", static_cast<int>(p), static_cast<int>(at - layout.persons[p]));
        if (at >= layout.reservedWord) where = "document tail";
    }
    return FormatText("sizes %d and %d, first difference at %d (%s): %d vs %d",
                      static_cast<int>(a.size()), static_cast<int>(b.size()), static_cast<int>(at),
                      where.c_str(), at < a.size() ? a[at] : -1, at < b.size() ? b[at] : -1);
}
