// Runs widget tests in a QApplication. On Linux they need no display: Qt's
// offscreen platform stands in unless the caller chose another.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
