#include "question_browser.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

namespace orvanta {

bool IsLocalUrl(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        return url.host().isEmpty() || url.host() == QLatin1String("localhost");
    return scheme == QLatin1String("data") || scheme == QLatin1String("blob") ||
           scheme == QLatin1String("about");
}

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!IsLocalUrl(info.requestUrl()))
        info.block(true);
}

QWebEngineProfile* CreateQuestionProfile(QObject* parent) {
    auto* profile = new QWebEngineProfile(parent); // no storage name: off the record
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setSpellCheckEnabled(false);
    profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(profile));

    QWebEngineSettings* s = profile->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    s->setAttribute(QWebEngineSettings::WebGLEnabled, false);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    return profile;
}

QuestionPage::QuestionPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {}

void QuestionPage::showFile(const QString& path) {
    allowed_ = QUrl::fromLocalFile(path);
    load(allowed_);
}

bool QuestionPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    // Frames inside the page document come from the archive itself.
    if (!isMainFrame)
        return IsLocalUrl(url);
    return url.adjusted(QUrl::RemoveFragment) == allowed_;
}

QuestionBrowser::QuestionBrowser(QWebEngineProfile* profile,
                                 std::function<void(QWidget*)> invalidOperation, QWidget* parent)
    : QWebEngineView(parent)
    , page_(std::make_unique<QuestionPage>(profile))
    , invalidOperation_(std::move(invalidOperation)) {
    setObjectName(QStringLiteral("brwWebBrowser"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setPage(page_.get());
    watchFocusProxy();
}

QuestionBrowser::~QuestionBrowser() {
    if (watched_)
        watched_->removeEventFilter(this);
    // The page goes first: it must not outlive the view's hold on it, and it
    // must go before its profile, which the owner of the browser keeps.
    setPage(nullptr);
    page_.reset();
}

bool QuestionBrowser::IsRefusedInput(const QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // The key code is that of the key, so Ctrl+Shift+C counts as Ctrl+C.
        return key->modifiers().testFlag(Qt::ControlModifier) &&
               (key->key() == Qt::Key_C || key->key() == Qt::Key_X);
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        return static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
    }
    return false;
}

bool QuestionBrowser::IsLeavingKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers others =
        key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return others == Qt::NoModifier && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
}

void QuestionBrowser::watchFocusProxy() {
    QWidget* proxy = focusProxy();
    if (!proxy || proxy == watched_)
        return;
    if (watched_)
        watched_->removeEventFilter(this);
    watched_ = proxy;
    proxy->installEventFilter(this);
    proxy->setContextMenuPolicy(Qt::NoContextMenu);
    connect(proxy, &QObject::destroyed, this, [this, proxy] {
        if (watched_ == proxy)
            watched_ = nullptr;
    });
    emit focusProxyChanged(proxy);
}

bool QuestionBrowser::event(QEvent* event) {
    const bool handled = QWebEngineView::event(event);
    // The page's input widget is made and remade by the engine; follow it.
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished)
        watchFocusProxy();
    return handled;
}

bool QuestionBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_ && IsRefusedInput(event)) {
        if (invalidOperation_)
            invalidOperation_(this);
        return true;
    }
    if (watched == watched_ && IsLeavingKey(event)) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool back =
            key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
        focusNextPrevChild(!back);
        return true;
    }
    return QWebEngineView::eventFilter(watched, event);
}

} // namespace orvanta
