// main() of the window-free test programs: a QCoreApplication for the Qt
// pieces that want one, then every GoogleTest test.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
