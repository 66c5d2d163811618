#pragma once

#include <QString>

// The accordion of the report page: three section bars stacked in the page
// and the one open section's panel between them.
namespace orvanta {

enum class ReportSection { Overall = 1, Topical = 2, Trend = 3 };

// The section `txtReportPos` names: "1" Overall, "2" Topical, any other text
// Trend.
ReportSection ReportSectionOf(const QString& reportPos);

struct ReportSectionsLayout {
    int bar1Top = 0; // `RCBar1`
    int bar2Top = 0; // `RCBar2`
    int bar3Top = 0; // `RCBar3`
    ReportSection open = ReportSection::Overall;
    int panelTop = 0;    // the open panel
    int panelHeight = 0; // never below 0
};

// `LayOutReportSections` for a page of inner height `pageHeight` and bars of
// heights h1, h2, h3: bars above the open section at the top, bars below it
// at the bottom, the open panel filling the space between. Raising order for
// the window: the open panel, then bars 1, 2, 3.
ReportSectionsLayout LayOutReportSections(ReportSection open, int pageHeight, int h1, int h2,
                                          int h3);

} // namespace orvanta
