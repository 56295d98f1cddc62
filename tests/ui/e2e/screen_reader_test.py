"""The program as a screen reader user meets it: through AT-SPI, on X11.

Run by run.sh inside Xvfb and a private D-Bus session. Prints one line per
check and a closing 'N passed, N failed' line; exits non-zero on a failure.
"""

import os
import subprocess
import sys
import time

import pyatspi
from Xlib import X, Xatom, display, protocol

TIMEOUT = 15.0
checks = {"passed": 0, "failed": 0}


def check(name, ok, detail=""):
    checks["passed" if ok else "failed"] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + (f": {detail}" if detail and not ok else ""),
          flush=True)


def wait_for(find, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the bus may still be settling; ask again
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise TimeoutError(f"gave up waiting for {what}")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "parabolix":
            return app
    return None


def descendant(root, role, name):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRoleName() == role and a.name == name)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def press(app, caption):
    descendant(app, "push button", caption).queryAction().doAction(0)


def x11_window(dpy, title):
    for window in dpy.screen().root.query_tree().children:
        if window.get_wm_name() == title:
            return window
    return None


def main(binary):
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(0.5)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="pl_PL.UTF-8")
    env.pop("LC_ALL", None)
    env.pop("LC_NUMERIC", None)
    program = subprocess.Popen([binary], env=env)
    try:
        run_checks(program)
    finally:
        if program.poll() is None:
            program.kill()
    check_double_scale(binary, env)
    print(f"{checks['passed']} passed, {checks['failed']} failed")
    return 1 if checks["failed"] else 0


def run_checks(program):
    dpy = display.Display()
    window = wait_for(lambda: x11_window(dpy, "Parabolix"), "the window")
    hints = window.get_wm_normal_hints()
    check("window is fixed at 308 x 336",
          (hints.min_width, hints.min_height, hints.max_width, hints.max_height)
          == (308, 336, 308, 336), str(hints))
    state = window.get_full_property(dpy.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
    check("window skips the taskbar",
          state is not None and dpy.intern_atom("_NET_WM_STATE_SKIP_TASKBAR") in state.value)

    app = wait_for(application, "the program on the accessibility bus")
    frame = wait_for(lambda: descendant(app, "frame", "Parabolix"), "the frame")
    check("frame is named Parabolix", frame is not None)
    m, n, p = (wait_for(lambda name=name: descendant(app, "text", name), name)
               for name in "mnp")
    polynomial = descendant(app, "text", "Wielomian")
    system = descendant(app, "text", "Układ równań")
    formulas = descendant(app, "text", "Wzory")
    check("start values read back", [text_of(t) for t in (m, n, p)] == ["16", "34", "58"])
    check("start system reads back", text_of(system).startswith(
        "Liczby a,b,c są rozwiązaniami ukladu równań:\na+b+c = m"), text_of(system))
    check("start formulas read back", text_of(formulas).startswith("a=0,5p-n+0,5m\n"),
          text_of(formulas))

    for box, value in ((m, "1"), (n, "2"), (p, "4")):
        box.queryEditableText().setTextContents(value)
    press(app, "oblicz")
    solved = wait_for(lambda: text_of(polynomial) or None, "the polynomial")
    check("typing 1, 2, 4 and pressing oblicz gives the polynomial",
          solved == "0,5x^2-0,5x+1", solved)

    press(app, "Wyznacz trzy liczby m, n, p")
    wait_for(lambda: text_of(polynomial) == "", "the polynomial to empty")
    drawn = [text_of(t) for t in (m, n, p)]
    check("the draw gives three numbers in 1..101",
          all(d.isdigit() and 1 <= int(d) <= 101 for d in drawn), str(drawn))

    m.queryEditableText().setTextContents("1e400")
    press(app, "oblicz")
    alert = wait_for(lambda: descendant(app, "alert", "Parabolix"), "the message box")
    check("a typed 1e400 brings the overflow message",
          descendant(alert, "label", "Przepełnienie: liczba jest zbyt duża.") is not None)
    press(alert, "OK")
    wait_for(lambda: descendant(app, "alert", "Parabolix") is None, "the message box to close")
    check("the window stays after the message",
          program.poll() is None and x11_window(dpy, "Parabolix") is not None)

    protocols = dpy.intern_atom("WM_PROTOCOLS")
    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])))
    dpy.flush()
    try:
        status = program.wait(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        status = None
    check("closing the window ends the program with status 0", status == 0, str(status))


def check_double_scale(binary, env):
    program = subprocess.Popen([binary], env=dict(env, QT_SCALE_FACTOR="2"))
    try:
        dpy = display.Display()
        window = wait_for(lambda: x11_window(dpy, "Parabolix"), "the doubled window")
        geometry = wait_for(lambda: window.get_geometry(), "its geometry")
        check("at scale 2 the window is 616 x 672 device pixels",
              (geometry.width, geometry.height) == (616, 672),
              f"{geometry.width} x {geometry.height}")
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
