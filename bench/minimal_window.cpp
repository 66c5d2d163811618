// The start-up benchmark's baseline: the least a Qt Widgets program does to
// show a window. It shows one empty window of the size given and, once the
// window has first been painted, prints a line and quits.
//
//   bench-minimal-window WIDTH HEIGHT
#include <QApplication>
#include <QEvent>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWindow final : public QWidget {
protected:
    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, [] {
                QTextStream(stdout) << "window painted" << Qt::endl;
                QCoreApplication::exit(0);
            });
        }
        return handled;
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    FirstPaintWindow window;
    window.resize(args.value(1, QStringLiteral("640")).toInt(),
                  args.value(2, QStringLiteral("480")).toInt());
    window.show();
    return app.exec();
}
