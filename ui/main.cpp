#include "form1.h"
#include "regional_settings.h"
#include "taskbar.h"

#include <QApplication>
#include <QIcon>

namespace {

// Windows takes the classic three-depth .ico. Elsewhere PNG needs no image
// plugin, which keeps start-up lean, and the larger sizes stay sharp at
// higher scale factors.
QIcon programIcon()
{
#ifdef Q_OS_WIN
    return QIcon(QStringLiteral(":/parabolix.ico"));
#else
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(programIcon());

    parabolix::ui::Form1 window({.decimalSeparator = parabolix::ui::userDecimalSeparator()});
    parabolix::ui::keepOffTaskbar(window);
    window.show();
    return QApplication::exec();
}
