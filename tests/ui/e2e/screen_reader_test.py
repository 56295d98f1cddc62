"""The program as a screen reader user meets it: through AT-SPI, on X11.

Run by CTest inside Xvfb and a private D-Bus session. Prints one line per
check and a closing 'N passed, N failed' line; exits non-zero on a failure.
"""

import contextlib
import os
import subprocess
import sys
import time

import pyatspi
from Xlib import X, Xatom, display, protocol

checks = {"passed": 0, "failed": 0}


def check(name, ok, detail=""):
    checks["passed" if ok else "failed"] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + (f": {detail}" if not ok else ""), flush=True)


def wait_for(find, what):
    for _ in range(150):
        with contextlib.suppress(Exception):  # the bus may still be settling; ask again
            if found := find():
                return found
        time.sleep(0.1)
    raise TimeoutError(f"gave up waiting for {what}")


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a and a.getRoleName() == role and a.name == name)


def text(accessible):
    return accessible.queryText().getText(0, -1)


def press(root, caption):
    find(root, "push button", caption).queryAction().doAction(0)


def run_checks(program, dpy):
    window = wait_for(lambda: next((w for w in dpy.screen().root.query_tree().children
                                    if w.get_wm_name() == "Parabolix"), None), "the window")
    state = window.get_full_property(dpy.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
    check("window skips the taskbar",
          state and dpy.intern_atom("_NET_WM_STATE_SKIP_TASKBAR") in state.value)

    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a and a.name == "parabolix"), None), "the program on the bus")
    check("frame is named Parabolix", wait_for(lambda: find(app, "frame", "Parabolix"), "frame"))
    m, n, p = (wait_for(lambda name=name: find(app, "text", name), name) for name in "mnp")
    polynomial = find(app, "text", "Wielomian")

    for box, value in ((m, "1"), (n, "2"), (p, "4")):
        box.queryEditableText().setTextContents(value)
    press(app, "oblicz")
    solved = wait_for(lambda: text(polynomial), "the polynomial")
    check("1, 2, 4 and oblicz give the polynomial", solved == "0,5x^2-0,5x+1", solved)

    press(app, "Wyznacz trzy liczby m, n, p")
    wait_for(lambda: text(polynomial) == "", "the polynomial to empty")
    drawn = [text(t) for t in (m, n, p)]
    check("the draw gives three numbers in 1..101", all(1 <= int(d) <= 101 for d in drawn), drawn)

    m.queryEditableText().setTextContents("1e400")
    press(app, "oblicz")
    alert = wait_for(lambda: find(app, "alert", "Parabolix"), "the message box")
    check("1e400 brings the Overflow message",
          find(alert, "label", "Przepełnienie: liczba jest zbyt duża.") is not None)
    press(alert, "OK")
    wait_for(lambda: find(app, "alert", "Parabolix") is None, "the message box to close")
    check("the window stays after the message", program.poll() is None)

    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    window.send_event(protocol.event.ClientMessage(window=window, data=(
        32, [delete, X.CurrentTime, 0, 0, 0]), client_type=dpy.intern_atom("WM_PROTOCOLS")))
    dpy.flush()
    check("closing the window ends the program with status 0", program.wait(timeout=15) == 0)


def main(binary):
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(0.5)
    # The program needs the X server, whatever platform the caller's Qt tests use.
    env = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_NUMERIC")}
    env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="pl_PL.UTF-8")
    program = subprocess.Popen([binary], env=env)
    try:
        run_checks(program, display.Display())
    finally:
        program.kill()
    print(f"{checks['passed']} passed, {checks['failed']} failed")
    return 1 if checks["failed"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
