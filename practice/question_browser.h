#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <functional>
#include <memory>

class QWebEngineProfile;

// The embedded browser of the practice window, locked down to the one
// question page it shows: no script, no request that leaves the machine, no
// reading of other local files, no local storage, no navigation by a drop or
// a link, no context menu; copying (Ctrl+C, Ctrl+X) and the right button are
// answered with "Invalid operation".
namespace orvanta {

// True for the URLs a question page may load: local files and the inline
// schemes (data:, blob:, about:) that never touch the network.
bool IsLocalUrl(const QUrl& url);

// Refuses every request for a URL that is not local.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// An off-the-record profile (nothing stored on disk) with the page settings
// above and the interceptor, owned by `parent`. Pages made on it must be
// deleted before it.
QWebEngineProfile* CreateQuestionProfile(QObject* parent);

// A page that goes only to the page file it was told to show: every other
// navigation (links, forms, redirects, scripts' requests) is refused, and
// it opens no windows.
class QuestionPage : public QWebEnginePage {
    Q_OBJECT
public:
    QuestionPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    // Navigates to the local file `path`, which becomes the one allowed URL.
    void showFile(const QString& path);
    const QUrl& allowedUrl() const { return allowed_; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}

private:
    QUrl allowed_;
};

// brwWebBrowser: the view with its page. Key presses and mouse presses on
// the view's focus proxy (the widget the page's input arrives at) are
// watched: Ctrl+C and Ctrl+X, whatever the letter case, and a right-button
// press call `invalidOperation` and go no further, so nothing is copied and
// no menu opens. Everything else reaches the page unchanged.
class QuestionBrowser : public QWebEngineView {
    Q_OBJECT
public:
    QuestionBrowser(QWebEngineProfile* profile, std::function<void(QWidget*)> invalidOperation,
                    QWidget* parent = nullptr);
    ~QuestionBrowser() override;

    QuestionPage* questionPage() const { return page_.get(); }
    void showFile(const QString& path) { page_->showFile(path); }

    // Whether `event` (arriving at the focus proxy) is one the browser
    // answers with "Invalid operation".
    static bool IsRefusedInput(const QEvent* event);

    // Whether `event` (arriving at the focus proxy) is Tab or Shift+Tab,
    // which leave the page for the window's next or previous control: the
    // question pages hold nothing to tab through, and the keyboard must
    // never be caught in a page.
    static bool IsLeavingKey(const QEvent* event);

signals:
    // The page's input widget (the focus proxy) was made anew.
    void focusProxyChanged(QWidget* proxy);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchFocusProxy();

    std::unique_ptr<QuestionPage> page_;
    std::function<void(QWidget*)> invalidOperation_;
    QObject* watched_ = nullptr;
};

} // namespace orvanta
