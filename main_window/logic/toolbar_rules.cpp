#include "toolbar_rules.h"

namespace orvanta {

namespace {

ToolbarEntry entry(const char* caption, const QString& toolTip, const char* picture) {
    const QString name = QString::fromLatin1(picture);
    return ToolbarEntry{QString::fromLatin1(caption), toolTip, name + QStringLiteral("_off.bmp"),
                        name + QStringLiteral("_on.bmp"), name + QStringLiteral("_pressed.bmp")};
}

} // namespace

std::optional<ToolbarEntry> ToolbarEntryFor(bool helpTab, int button) {
    if (helpTab) {
        switch (button) {
        case 1:
            return entry("About", QStringLiteral("About Orvanta"), "about");
        case 2:
            return entry("Trash", QStringLiteral("Trash past results"), "trash");
        case 4:
            return entry("Setup", QStringLiteral("Printer Setup"), "setup");
        default:
            return std::nullopt;
        }
    }
    switch (button) {
    case 1:
        return entry("Home", QStringLiteral("Load Home page"), "home");
    case 2:
        return entry("Report", QStringLiteral("Load Report card"), "report");
    case 3:
        return entry("Print", QStringLiteral("Print results"), "print");
    case 4:
        return entry("Close", QStringLiteral("Close program"), "close");
    default:
        return std::nullopt;
    }
}

PageCommand ShowPageCommand(int tab, int button) {
    if (tab >= 1 && tab <= 3) {
        switch (button) {
        case 1:
            return PageCommand::LoadHome;
        case 2:
            return PageCommand::ShowReport;
        case 3:
            return PageCommand::PrintResults;
        case 4:
            return PageCommand::CloseProgram;
        default:
            return PageCommand::Nothing;
        }
    }
    if (tab == kHelpTab) {
        switch (button) {
        case 1:
            return PageCommand::ShowAbout;
        case 2:
            return PageCommand::ShowTrash;
        case 4:
            return PageCommand::PrintSetup;
        default:
            return PageCommand::Nothing;
        }
    }
    return PageCommand::Nothing;
}

} // namespace orvanta
