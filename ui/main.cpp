#include "form1.h"
#include "regional_settings.h"
#include "taskbar.h"

#include <QApplication>
#include <QIcon>

namespace {

#ifndef Q_OS_WIN
// PNG needs no image plugin, which keeps start-up lean, and the larger sizes
// stay sharp at higher scale factors. On Windows the window class takes the
// executable's own icon, with its three colour depths, so nothing is set here.
void setProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    parabolix::ui::chooseFontEngine();
    QApplication application(argc, argv);
#ifndef Q_OS_WIN
    setProgramIcon();
#endif

    parabolix::ui::Form1 window({.decimalSeparator = parabolix::ui::userDecimalSeparator()});
    parabolix::ui::keepOffTaskbar(window);
    window.show();
    return QApplication::exec();
}
