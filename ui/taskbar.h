// Keeping the window off the taskbar, as the classic fixed dialog was.
#pragma once

class QWidget;

namespace parabolix::ui {

// Marks the top-level `window` so that the taskbar shows no button for it.
// Call before the window is first shown. On X11 it sets the EWMH state
// _NET_WM_STATE_SKIP_TASKBAR; on Windows the window gets a hidden owner, and
// the program still ends when the window closes. Elsewhere it does nothing.
void keepOffTaskbar(QWidget& window);

} // namespace parabolix::ui
