#pragma once

#include <array>

// Where the four tabs of the main window stand: tabs 1..3 are the course's
// subjects, tab 4 is the Help tab. Lengths are pixels of the window.
namespace orvanta {

inline constexpr int kTabStripLeft = 2; // ScnTabBG's left edge; the first tab starts here
inline constexpr int kTabOverlap = 4;   // neighbouring tabs overlap by this much

// Left edges of Tab01..Tab04. From x = `startX`, each present subject's tab
// goes to x and x moves on by the tab's width less the overlap; an absent
// subject's tab goes out of sight at -width. The Help tab takes the final x,
// so with three subjects it stands at startX + 3 widths - 12.
std::array<int, 4> TabLefts(const std::array<bool, 3>& subjectPresent, int tabWidth,
                            int startX = kTabStripLeft);

// Top edge of a tab against the top of the strip under it (`RaiseTab`): the
// strip covers the lower 2.5 units of every tab but the chosen one, which
// stands 2 units higher, 0.5 over the strip. Half pixels round up (down the
// screen), so the chosen tab overlaps the strip by one pixel and the others
// by three.
int TabTop(int stripTop, int tabHeight, bool chosen);

} // namespace orvanta
