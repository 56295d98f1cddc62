// Runs widget tests in a QApplication with the program's font engine. On
// Linux they need no display: Qt's offscreen platform stands in unless the
// caller chose another.
#include "form1.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    parabolix::ui::chooseFontEngine(); // the captions are measured as the program draws them
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS(); // listing the tests needs no window system
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
