#include "taskbar.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if defined(PARABOLIX_HAVE_XCB)
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace parabolix::ui {

namespace {

#if defined(PARABOLIX_HAVE_XCB)
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const auto cookie
        = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Before a window is mapped, a client states its EWMH state in the property
// itself; Qt keeps atoms it does not manage when it maps the window.
void skipTaskbarOnX11(QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
        static_cast<xcb_window_t>(window.winId()), state, XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    xcb_flush(connection);
}
#endif

#if defined(Q_OS_WIN)
// An owned top-level window gets no taskbar button. An owned window does not
// count as the last window either, so its closing ends the program here. The
// owner lives exactly as long as the window: a native window left to static
// destruction would outlive the application object and fault at exit.
void ownByHiddenWindow(QWidget& window)
{
    auto* owner = new QWindow;
    owner->create();
    window.winId();
    window.windowHandle()->setTransientParent(owner);
    QObject::connect(&window, &QObject::destroyed, [owner] { delete owner; });
    QObject::connect(window.windowHandle(), &QWindow::visibleChanged, qGuiApp, [](bool visible) {
        if (!visible)
            QCoreApplication::quit();
    });
}
#endif

} // namespace

void keepOffTaskbar(QWidget& window)
{
#if defined(PARABOLIX_HAVE_XCB)
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        skipTaskbarOnX11(window);
#elif defined(Q_OS_WIN)
    ownByHiddenWindow(window);
#else
    (void)window;
#endif
}

} // namespace parabolix::ui
