#include "tab_strip_rules.h"

namespace orvanta {

std::array<int, 4> TabLefts(const std::array<bool, 3>& subjectPresent, int tabWidth, int startX) {
    std::array<int, 4> lefts{};
    int x = startX;
    for (int s = 0; s < 3; ++s) {
        if (subjectPresent[s]) {
            lefts[s] = x;
            x += tabWidth - kTabOverlap;
        } else {
            lefts[s] = -tabWidth;
        }
    }
    lefts[3] = x;
    return lefts;
}

int TabTop(int stripTop, int tabHeight, bool chosen) {
    // stripTop - tabHeight + 2.5 (or + 0.5), in half pixels, halves rounded up.
    const int halves = 2 * (stripTop - tabHeight) + (chosen ? 1 : 5);
    return (halves + 1) / 2;
}

} // namespace orvanta
