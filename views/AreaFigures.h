#pragma once
// The texts and the bar geometry of the area buttons and the month window,
// kept apart from the windows so that each rule can be checked on its own:
// the population and its trend, the governor's remaining term, the expo's
// state, the game length and date, the share bar's segments, the marks of
// the companies that expanded into an area and the relation gauges' slots.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/Rect.h"

class CPersonData;

namespace AreaFigures {

// Months of a governor's term.
constexpr int kTermMonths = 48;
// Months an expo stays open.
constexpr int kExpoOpenMonths = 4;

// A population in units of 10,000 ("   10,000" for 1, "  1,230,000" for
// 123), then |trend| plus signs when the trend is positive, else minus signs.
std::string PopulationText(int population, int trend);
// The months left of a term that began in electionMonth.
int RemainingTerm(int monthIndex, int electionMonth);
// "<name> (Remaining term <r> month(s))"; "month" for one or less.
std::string GovernorText(const std::string& name, int remaining);
// The governor's line of an area; "None" and no term for an area without
// a governor (one converted from a raw map has none until an election).
std::string GovernorLine(const CPersonData* governor, int monthIndex);
// The expo line: "Expo ongoing for ..." while it is open, else its
// scheduled open date and how much of its site is built.
std::string ExpoText(int startMonth, int monthIndex, int completion);
// The three lines of the month window.
std::string GameLengthText(int years);
std::string YearText(int year);
std::string MonthText(int month);

// One segment of a share bar: [left, right) filled in colour.
struct SSegment {
    int left = 0;
    int right = 0;
    int value = 0;
    COLORREF colour = 0;
};
struct SShare {
    int value = 0;
    COLORREF colour = 0;
};
// The segments of the shares laid side by side over `width` pixels from
// `left`: the bar stands for max(total, scaleFloor), shares of 0 or less
// are left out and whatever lies beyond the scale is not drawn.
std::vector<SSegment> ShareSegments(const std::vector<SShare>& shares, int64_t total,
                                    int scaleFloor, int left, int width);

// The mark of company `company` on the second line of a button.
struct SMark {
    int company = 0;
    CRect rect;
};
// Marks of the companies at level 2 (upper half of the line) or more (the
// whole line) in an area: one slot per company from textRight, each
// max(5, (itemRight - 5 - textRight) / companies) wide, clipped at
// markRight (less a pixel); none after the first slot that starts at or
// beyond limit, and none at all without companies.
std::vector<SMark> MarkRects(const std::vector<int>& levels, int textRight, int itemRight,
                             int markRight, int limit, int top, int bottom);

// The relation gauges' slots [left, right] in [left, limit): one per
// company, max(5, width / companies) wide, up to the first slot that
// starts at or beyond limit; none without companies.
std::vector<CRect> GaugeSlots(int companies, int left, int limit, int top, int bottom);

}  // namespace AreaFigures
