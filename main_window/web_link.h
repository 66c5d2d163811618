#pragma once

#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

class QWidget;

// The About page's link to the maker's web page.
namespace orvanta {

// The maker's web address as the link shows it, and the page it opens.
inline constexpr char kMakerSiteText[] = "www.orvanta.example";
QUrl MakerHomePageUrl(); // https://www.orvanta.example/eduprog.html

// What the link needs of the desktop. Injected, so that tests never start a
// browser nor wait on a message box.
struct WebLinkShell {
    // True when the desktop has a program that opens web pages.
    std::function<bool()> browserFound;
    // Asks that program to show `url`; false when that could not be started
    // or failed at once. A failure that shows only after the call returned
    // (a slow opener) calls `failedLater` then.
    std::function<bool(const QUrl& url, const std::function<void()>& failedLater)> openUrl;
    // The system message box with a warning icon.
    std::function<void(QWidget* owner, const QString& text, const QString& title)> warn;

    // The desktop's own: on Linux xdg-open, whose exit status says whether
    // the page was handed over (QDesktopServices::openUrl only starts it);
    // QDesktopServices::openUrl elsewhere; QMessageBox::warning.
    static WebLinkShell system();
};

// Runs `opener` on `url` and waits up to `wait` for its exit status, keeping
// the windows painted but taking no input meanwhile. True when it exits with
// status 0 or is still running when the wait ends; false when it cannot be
// started, crashes or exits with any other status. An opener still running
// is left to run on (it may run the browser in the foreground) and calls
// `failedLater` if it ends with a failure after all.
bool RunUrlOpener(const QString& opener, const QUrl& url, std::chrono::milliseconds wait,
                  const std::function<void()>& failedLater);

// Opens the maker's page in the pupil's browser. When no browser is found:
// warning "Could not find associated Browser" / "Browser Not Found"; when the
// browser could not be asked, at once or later: "Web Page not Opened" / "URL
// Failed". Nothing else changes either way.
void OpenHomePage(const WebLinkShell& shell, QWidget* owner);

} // namespace orvanta
