#include "report_sections.h"

#include <algorithm>

namespace orvanta {

ReportSection ReportSectionOf(const QString& reportPos) {
    if (reportPos == u"1")
        return ReportSection::Overall;
    if (reportPos == u"2")
        return ReportSection::Topical;
    return ReportSection::Trend;
}

ReportSectionsLayout LayOutReportSections(ReportSection open, int pageHeight, int h1, int h2,
                                          int h3) {
    ReportSectionsLayout layout;
    layout.open = open;
    layout.bar1Top = 0;
    switch (open) {
    case ReportSection::Overall:
        layout.bar3Top = pageHeight - h3;
        layout.bar2Top = layout.bar3Top - h2;
        layout.panelTop = h1;
        break;
    case ReportSection::Topical:
        layout.bar2Top = h1;
        layout.bar3Top = pageHeight - h3;
        layout.panelTop = h1 + h2;
        break;
    case ReportSection::Trend:
        layout.bar2Top = h1;
        layout.bar3Top = h1 + h2;
        layout.panelTop = h1 + h2 + h3;
        break;
    }
    layout.panelHeight = std::max(pageHeight - h1 - h2 - h3, 0);
    return layout;
}

} // namespace orvanta
