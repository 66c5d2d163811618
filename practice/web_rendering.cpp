#include "web_rendering.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace orvanta {

namespace {

QtMessageHandler forwardedHandler = nullptr;

// Without OpenGL, the web engine still tries to make the context it would
// share, and Qt Quick looks for a graphics API before it takes the software
// one: both say so on every start although nothing is wrong.
bool expectedWithoutOpenGl(const QString& message) {
    return message.startsWith(u"QXcbIntegration: Cannot create platform OpenGL context") ||
           message.startsWith(u"No suitable graphics backend found");
}

void quietWithoutOpenGl(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && expectedWithoutOpenGl(message))
        return;
    forwardedHandler(type, context, message);
}

} // namespace

bool PrepareWebRendering() {
    const bool chosenElsewhere = qEnvironmentVariableIsSet("QT_QUICK_BACKEND") ||
                                 qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
    // Where there is OpenGL, the web engine shares its context with the
    // windows'; it asks for this attribute before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (chosenElsewhere || qEnvironmentVariable("ORVANTA_WEB_RENDERING") == u"gpu")
        return false;
    // Both together: Qt Quick, which shows the web engine's frames, draws in
    // software, and the X11 platform offers no OpenGL, so that the web engine
    // makes no context to share and composites in software too. Quick
    // without OpenGL but not in software would have nothing to draw with.
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    forwardedHandler = qInstallMessageHandler(quietWithoutOpenGl);
    return true;
}

} // namespace orvanta
