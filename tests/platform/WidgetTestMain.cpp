#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need an application object. CTest sets the offscreen platform
// for the tests, but not for listing them, which runs this binary too.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
