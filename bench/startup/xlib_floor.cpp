// The display's floor: map one window with plain Xlib and paint it at its
// first Expose.
#include "view/window_description.h"

#include <X11/Xlib.h>

namespace description = parabolix::window;

int main()
{
    constexpr unsigned width = description::kWidth / description::kTwipsPerPixel;
    constexpr unsigned height = description::kHeight / description::kTwipsPerPixel;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1;
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width,
        height, 0, BlackPixel(display, screen), WhitePixel(display, screen));
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose) {
            XFillRectangle(display, window, DefaultGC(display, screen), 0, 0, width, height);
            XFlush(display);
        }
    }
}
