#include "form1.h"
#include "regional_settings.h"
#include "taskbar.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/parabolix.ico")));

    parabolix::ui::Form1 window({.decimalSeparator = parabolix::ui::userDecimalSeparator()});
    parabolix::ui::keepOffTaskbar(window);
    window.show();
    return QApplication::exec();
}
