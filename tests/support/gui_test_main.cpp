// main() of the test programs that show widgets or web pages: a QApplication
// (offscreen or under Xvfb, as ctest sets it up), then every GoogleTest test.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Qt WebEngine needs contexts shared before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
