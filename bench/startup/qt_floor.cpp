// The toolkit's floor: one empty Qt Widgets window the size of Parabolix's.
#include "view/window_description.h"

#include <QApplication>
#include <QWidget>

namespace window = parabolix::window;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget form;
    form.setFixedSize(
        window::kWidth / window::kTwipsPerPixel, window::kHeight / window::kTwipsPerPixel);
    form.show();
    return QApplication::exec();
}
