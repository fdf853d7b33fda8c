#include "views/AreaFigures.h"

#include <algorithm>
#include <cstdlib>

#include "model/Formatting.h"
#include "model/PersonData.h"
#include "platform/core/TextFormat.h"

namespace AreaFigures {

namespace {

// The level from which a company counts as expanded into an area, and the
// one from which its mark fills the whole line.
constexpr int kHalfMarkLevel = 2;
constexpr int kFullMarkLevel = 3;
constexpr int kMinSlotWidth = 5;

}  // namespace

std::string PopulationText(int population, int trend) {
    std::string text = population > 99
                           ? FormatText("%3d,%02d0,000", population / 100, population % 100)
                           : FormatText("   %d0,000", population);
    text.append(static_cast<size_t>(std::abs(trend)), trend > 0 ? '+' : '-');
    return text;
}

int RemainingTerm(int monthIndex, int electionMonth) {
    return kTermMonths - (monthIndex - electionMonth);
}

std::string GovernorText(const std::string& name, int remaining) {
    return FormatText("%s (Remaining term %d %s)", name.c_str(), remaining,
                      remaining <= 1 ? "month" : "months");
}

std::string GovernorLine(const CPersonData* governor, int monthIndex) {
    if (!governor) return GovernorText("None", 0);
    return GovernorText(governor->GetName(), RemainingTerm(monthIndex, governor->GetElectionMonth()));
}

std::string ExpoText(int startMonth, int monthIndex, int completion) {
    const int64_t since = int64_t{monthIndex} - startMonth;
    if (since >= 0 && since < kExpoOpenMonths) {
        const std::string length =
            since == 0 ? std::string("1 month") : FormatText("%d months", static_cast<int>(since) + 1);
        return FormatText("Expo ongoing for %s.", length.c_str());
    }
    return FormatText("Scheduled open date, %s year %s, %d%% complete.",
                      FormatOrdinal(startMonth / 12 + 1).c_str(), GetMonthName(startMonth % 12),
                      completion);
}

std::string GameLengthText(int years) {
    return FormatText("%d Year Game", years);
}

std::string YearText(int year) {
    return FormatText("%s year", FormatOrdinal(year + 1).c_str());
}

std::string MonthText(int month) {
    return GetMonthName(month);
}

std::vector<SSegment> ShareSegments(const std::vector<SShare>& shares, int64_t total,
                                    int scaleFloor, int left, int width) {
    std::vector<SSegment> segments;
    // Investment totals reach far beyond what width x total holds in 32 bits.
    const int64_t scale = std::max<int64_t>(total, scaleFloor);
    if (scale <= 0 || width <= 0) return segments;
    int64_t acc = 0;
    for (const SShare& share : shares) {
        if (share.value <= 0) continue;
        if (acc >= scale) break;
        const int64_t end = std::min(acc + share.value, scale);
        SSegment segment;
        segment.left = left + static_cast<int>(width * acc / scale);
        segment.right = left + static_cast<int>(width * end / scale);
        segment.value = share.value;
        segment.colour = share.colour;
        segments.push_back(segment);
        acc += share.value;
    }
    return segments;
}

std::vector<SMark> MarkRects(const std::vector<int>& levels, int textRight, int itemRight,
                             int markRight, int limit, int top, int bottom) {
    std::vector<SMark> marks;
    const int companies = static_cast<int>(levels.size());
    if (companies == 0) return marks;
    const int w = std::max(kMinSlotWidth, (itemRight - 5 - textRight) / companies);
    for (int c = 0; c < companies; ++c) {
        const int level = levels[static_cast<size_t>(c)];
        if (level < kHalfMarkLevel) continue;
        const int left = textRight + c * w;
        if (left >= limit) break;
        const int right = std::min(left + w, markRight) - 1;
        const int height = level >= kFullMarkLevel ? bottom - top : std::max(1, (bottom - top) / 2);
        if (right <= left) continue;
        marks.push_back({c, CRect(left, top, right, top + height)});
    }
    return marks;
}

std::vector<CRect> GaugeSlots(int companies, int left, int limit, int top, int bottom) {
    std::vector<CRect> slots;
    if (companies <= 0) return slots;
    const int w = std::max(kMinSlotWidth, (limit - left) / companies);
    for (int c = 0; c < companies; ++c) {
        const int start = left + c * w;
        if (start >= limit) break;
        slots.emplace_back(start, top, std::min(start + w - 1, limit), bottom);
    }
    return slots;
}

}  // namespace AreaFigures
