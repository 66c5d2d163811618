// orvanta-picture-gen: draws the interface pictures into a folder, one file
// per picture named by its resource number.
//
//   orvanta-picture-gen OUTPUT_FOLDER [--contact-sheet FILE.png] [--scale N] [--mockup FILE.png]
//   orvanta-picture-gen --desktop-icons THEME_FOLDER ICON_NAME
//
// The two optional pictures are for looking at the design; they are drawn
// from the files just written. The second form writes the program's icon
// for the desktop, THEME_FOLDER/48x48/apps/ICON_NAME.png and the other sizes.
#include "tools/picture_gen/desktop_icons.h"
#include "tools/picture_gen/picture_set.h"
#include "tools/picture_gen/preview.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

int Usage() {
    QTextStream(stderr)
        << "usage: orvanta-picture-gen OUTPUT_FOLDER [--contact-sheet FILE.png] [--scale N]"
           " [--mockup FILE.png]\n"
           "       orvanta-picture-gen --desktop-icons THEME_FOLDER ICON_NAME\n";
    return 2;
}

int WriteDesktopIcons(const QStringList& args) {
    if (args.size() != 2)
        return Usage();
    const QString error = orvanta::pictures::WriteDesktopIcons(args.at(0), args.at(1));
    if (!error.isEmpty()) {
        QTextStream(stderr) << "orvanta-picture-gen: " << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but never a display.
    std::vector<char*> args(argv, argv + argc);
    char platformOption[] = "-platform";
    char offscreen[] = "offscreen";
    args.insert(args.begin() + 1, {platformOption, offscreen});
    int qtArgc = int(args.size());
    QGuiApplication app(qtArgc, args.data());

    QStringList rest = app.arguments().mid(1);
    if (!rest.isEmpty() && rest.first() == QLatin1String("--desktop-icons"))
        return WriteDesktopIcons(rest.mid(1));
    if (rest.isEmpty() || rest.first().startsWith(QLatin1Char('-')))
        return Usage();
    const QString folder = rest.takeFirst();
    QString contactSheet;
    QString mockup;
    int scale = 2; // of the contact sheet
    while (!rest.isEmpty()) {
        const QString option = rest.takeFirst();
        if (rest.isEmpty())
            return Usage();
        if (option == QLatin1String("--contact-sheet"))
            contactSheet = rest.takeFirst();
        else if (option == QLatin1String("--scale"))
            scale = std::clamp(rest.takeFirst().toInt(), 1, 16);
        else if (option == QLatin1String("--mockup"))
            mockup = rest.takeFirst();
        else
            return Usage();
    }

    const QString error = orvanta::pictures::WritePictures(folder);
    if (!error.isEmpty()) {
        QTextStream(stderr) << "orvanta-picture-gen: " << error << '\n';
        return 1;
    }
    if (!contactSheet.isEmpty() &&
        !orvanta::pictures::ContactSheet(folder, scale).save(contactSheet, "PNG")) {
        QTextStream(stderr) << "orvanta-picture-gen: cannot write " << contactSheet << '\n';
        return 1;
    }
    if (!mockup.isEmpty() && !orvanta::pictures::FrameMockup(folder).save(mockup, "PNG")) {
        QTextStream(stderr) << "orvanta-picture-gen: cannot write " << mockup << '\n';
        return 1;
    }
    return 0;
}
