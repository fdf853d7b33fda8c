#pragma once
// The damped weighing of a company's area rating that the sums over all
// companies use (fire safety, a governor's campaign strength, the donations
// that keep a governor in office).

#include <cmath>

// int(rating^0.6); a rating below 0 counts as 0 (its power is no number).
inline int DampAreaRating(int rating) {
    if (rating <= 0) return 0;
    return static_cast<int>(std::pow(static_cast<double>(rating), 0.6));
}
