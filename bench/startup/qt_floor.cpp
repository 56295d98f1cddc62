// The toolkit's floor: one empty Qt Widgets window the size of Parabolix's.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(308, 336);
    window.show();
    return QApplication::exec();
}
