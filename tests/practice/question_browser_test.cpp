// The locked-down question browser under Xvfb: what a page may load, where
// it may go, and what its profile allows.
#include "practice/question_browser.h"

#include "tests/support/test_support.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <gtest/gtest.h>

#include <memory>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int kTimeoutMs = 120000;

// A view on a profile, deleted in the right order (page, view, profile).
struct Browser {
    explicit Browser(QWebEngineProfile* p)
        : profile(p)
        , view(std::make_unique<QuestionBrowser>(p, [this](QWidget*) { ++refused; })) {
        view->resize(400, 300);
        view->show();
    }
    ~Browser() {
        view.reset();
        delete profile;
    }
    bool show(const QString& file) {
        QSignalSpy loaded(view.get(), &QWebEngineView::loadFinished);
        view->showFile(file);
        return loaded.wait(kTimeoutMs) && loaded.first().first().toBool();
    }
    QWebEngineProfile* profile;
    std::unique_ptr<QuestionBrowser> view;
    int refused = 0;
};

TEST(QuestionBrowserTest, onlyLocalUrlsCountAsLocal) {
    EXPECT_TRUE(IsLocalUrl(QUrl::fromLocalFile("/tmp/temppaper10001.mht")));
    EXPECT_TRUE(IsLocalUrl(QUrl("data:text/html,hi")));
    EXPECT_TRUE(IsLocalUrl(QUrl("about:blank")));
    EXPECT_FALSE(IsLocalUrl(QUrl("file://server/share/page.htm")));
    EXPECT_FALSE(IsLocalUrl(QUrl("http://127.0.0.1/x.gif")));
    EXPECT_FALSE(IsLocalUrl(QUrl("https://course.invalid/q10001.htm")));
    EXPECT_FALSE(IsLocalUrl(QUrl("ftp://example.org/")));
}

TEST(QuestionBrowserTest, profileIsOffTheRecordWithScriptsAndFileReadingOff) {
    Browser b(CreateQuestionProfile(nullptr));
    EXPECT_TRUE(b.profile->isOffTheRecord());
    const QWebEngineSettings* s = b.profile->settings();
    EXPECT_FALSE(s->testAttribute(QWebEngineSettings::JavascriptEnabled));
    EXPECT_FALSE(s->testAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls));
    EXPECT_FALSE(s->testAttribute(QWebEngineSettings::LocalStorageEnabled));
    EXPECT_FALSE(s->testAttribute(QWebEngineSettings::NavigateOnDropEnabled));
    EXPECT_EQ(b.view->contextMenuPolicy(), Qt::NoContextMenu);
}

// A page of the question profile sent to a web server on this machine: the
// interceptor never lets the request out, while a plain profile's does go.
TEST(QuestionBrowserTest, noRequestLeavesTheMachine) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QSignalSpy connected(&server, &QTcpServer::newConnection);
    const QUrl probe(QStringLiteral("http://127.0.0.1:%1/probe.htm").arg(server.serverPort()));
    auto visit = [&](QWebEngineProfile* profile) {
        auto page = std::make_unique<QWebEnginePage>(profile);
        QSignalSpy loaded(page.get(), &QWebEnginePage::loadFinished);
        page->load(probe);
        loaded.wait(kTimeoutMs);
        page.reset(); // before its profile
        delete profile;
    };
    visit(CreateQuestionProfile(nullptr));
    EXPECT_EQ(connected.size(), 0);
    EXPECT_FALSE(server.hasPendingConnections());

    auto* plain = new QWebEngineProfile();
    auto page = std::make_unique<QWebEnginePage>(plain);
    page->load(probe);
    const bool reached = connected.wait(10000);
    page.reset();
    delete plain;
    if (!reached)
        GTEST_SKIP() << "even a plain profile made no request here; nothing was proven";
}

// An MHTML page whose picture is a part of the archive, addressed by a
// remote Content-Location as saved pages have it.
QByteArray pageWithPicture(const QColor& colour) {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QByteArray page = "From: <Saved by Orvanta>\r\nSubject: probe\r\nMIME-Version: 1.0\r\n"
                      "Content-Type: multipart/related; boundary=\"b\"; type=\"text/html\"\r\n"
                      "\r\n--b\r\nContent-Type: text/html\r\n"
                      "Content-Location: https://course.invalid/probe.htm\r\n\r\n"
                      "<html><body style=\"margin:0\"><img src=\"https://course.invalid/p.png\">"
                      "</body></html>\r\n"
                      "--b\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n"
                      "Content-Location: https://course.invalid/p.png\r\n\r\n";
    page += png.toBase64() + "\r\n--b--\r\n";
    return page;
}

TEST(QuestionBrowserTest, picturesInsideThePageArchiveStillShow) {
    TempAppFolder temp;
    const QString file = temp.file("temppaper16001.mht");
    writeBytes(file, pageWithPicture(QColor(220, 20, 30)));
    Browser b(CreateQuestionProfile(nullptr));
    ASSERT_TRUE(b.show(file));
    bool red = false;
    for (int attempt = 0; attempt < 50 && !red; ++attempt) {
        QTest::qWait(100);
        const QRect area(b.view->mapToGlobal(QPoint(0, 0)), QSize(80, 60));
        const QImage shot = QGuiApplication::primaryScreen()
                                ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                                .toImage();
        red = QColor(shot.pixel(20, 20)) == QColor(220, 20, 30);
    }
    EXPECT_TRUE(red) << "the picture from the archive did not show";
}

TEST(QuestionBrowserTest, thePageGoesNowhereButToItsFile) {
    TempAppFolder temp;
    const QString first = temp.file("temppaper10001.mht");
    const QString other = temp.file("other.html");
    writeBytes(first, readBytes(fixturePath("course/10001")));
    writeBytes(other, "<html><body>elsewhere</body></html>");
    Browser b(CreateQuestionProfile(nullptr));
    ASSERT_TRUE(b.show(first));
    EXPECT_EQ(b.view->url(), QUrl::fromLocalFile(first));
    // Any other navigation of the page is refused.
    QSignalSpy loaded(b.view.get(), &QWebEngineView::loadFinished);
    b.view->page()->load(QUrl::fromLocalFile(other));
    loaded.wait(3000);
    EXPECT_EQ(b.view->url(), QUrl::fromLocalFile(first));
    b.view->page()->load(QUrl("https://course.invalid/q10001.htm"));
    loaded.wait(3000);
    EXPECT_EQ(b.view->url(), QUrl::fromLocalFile(first));
}

TEST(QuestionBrowserTest, refusedInputIsCtrlCCtrlXAndTheRightButton) {
    auto key = [](Qt::Key k, Qt::KeyboardModifiers m) {
        const QKeyEvent event(QEvent::KeyPress, k, m);
        return QuestionBrowser::IsRefusedInput(&event);
    };
    EXPECT_TRUE(key(Qt::Key_C, Qt::ControlModifier));
    EXPECT_TRUE(key(Qt::Key_X, Qt::ControlModifier));
    EXPECT_TRUE(key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_FALSE(key(Qt::Key_V, Qt::ControlModifier));
    EXPECT_FALSE(key(Qt::Key_C, Qt::NoModifier));
    auto press = [](Qt::MouseButton button) {
        const QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), button,
                                button, Qt::NoModifier);
        return QuestionBrowser::IsRefusedInput(&event);
    };
    EXPECT_TRUE(press(Qt::RightButton));
    EXPECT_FALSE(press(Qt::LeftButton));
}

} // namespace
