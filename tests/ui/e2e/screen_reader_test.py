"""The program as a blind pupil meets it: Orca on X11, the window driven from
the keyboard, in Xvfb and a private D-Bus session. Orca writes what it would
speak to its debug file, here a pseudo-terminal, so each line arrives as it is
written. Prints a line per check and 'N passed, N failed'."""

import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time
import tty

from Xlib import X, XK, Xatom, display, error, protocol
from Xlib.ext import xtest

checks = {"passed": 0, "failed": 0}
spoken = []
arrived = threading.Condition()


def check(name, ok, detail=""):
    checks["passed" if ok else "failed"] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + (f": {detail}" if not ok else ""), flush=True)


def listen(terminal):
    """Collects Orca's utterances, keys it merely echoes left out."""
    with os.fdopen(terminal, "rb", buffering=0) as log:
        pending = b""
        while chunk := log.read(65536):
            *lines, pending = (pending + chunk).split(b"\n")
            for line in lines:
                if found := re.search(r"SPEECH OUTPUT: '(.*)' ?{'", line.decode(errors="replace")):
                    if found[1] not in ("tab ", "space ", "escape "):
                        with arrived:
                            spoken.append(found[1])
                            arrived.notify_all()


def speech_until(start, last, what):
    """What Orca says from utterance `start` on, up to one that `last` matches."""
    deadline = time.monotonic() + 90
    with arrived:
        while True:
            for end in range(start, len(spoken)):
                if re.fullmatch(last, spoken[end]):
                    return spoken[start:end + 1]
            if not arrived.wait(deadline - time.monotonic()):
                raise TimeoutError(f"Orca never said {what}; it said {spoken[start:]}")


def wait_for(find, what):
    deadline = time.monotonic() + 90
    while not (found := find()):
        if time.monotonic() > deadline:
            raise TimeoutError(f"gave up waiting for {what}")
        time.sleep(0.1)
    return found


def press(dpy, keys):
    for name in keys:
        code = dpy.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(dpy, X.KeyPress, code)
        xtest.fake_input(dpy, X.KeyRelease, code)
    dpy.sync()


def close(dpy, window):
    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    window.send_event(protocol.event.ClientMessage(window=window, data=(
        32, [delete, X.CurrentTime, 0, 0, 0]), client_type=dpy.intern_atom("WM_PROTOCOLS")))
    dpy.flush()


def mapped_windows(dpy):
    def shown(w):
        try:
            return w.get_wm_name() == "Parabolix" and w.get_attributes().map_state == X.IsViewable
        except error.BadWindow:  # gone since the list was made
            return False
    return [w for w in dpy.screen().root.query_tree().children if shown(w)]


NUMBER = r"([1-9]|[1-9][0-9]|10[01])"
DRAWN = f"notification m = {NUMBER}, n = {NUMBER}, p = {NUMBER}."
# What the user does, and the last things Orca must say then (patterns; @m, @n
# and @p are the numbers the last draw announced, which must be the numbers in
# the boxes). There is no window manager to give a
# window the focus: "<focus>" does, as one would. Qt holds each key for the
# screen reader's answer, and none comes while the message box's event loop
# runs inside the answer to the space that opened it, so the box is closed by
# its title bar's button; the draw after it waits on the answers to its own
# keys, and so on those of all keys before, so that none is still held when
# the program ends.
STEPS = [
    ("the window opens with focus in m", ["<focus>"], ["Parabolix frame.", "m = text.", "16."]),
    ("Tab to n", ["Tab"], ["n = text.", "34 selected."]),
    ("Tab to p", ["Tab"], ["p = text.", "58 selected."]),
    ("Tab to oblicz", ["Tab"], ["oblicz push button."]),
    ("space on oblicz", ["space"], [r"notification 3x\^2\+9x\+4\."]),
    ("Tab to the polynomial", ["Tab"], ["Wielomian read only text.", r"3x\^2\+9x\+4 selected\."]),
    ("Tab to the draw", ["Tab"], ["Wyznacz trzy liczby m, n, p push button."]),
    ("space on the draw", ["space"], [DRAWN]),
    ("Tab past the texts to m", ["Tab"] * 3, ["m = text.", r"@m selected\."]),
    ("1 typed, Tab to n", ["1", "Tab"], ["n = text.", r"@n selected\."]),
    ("2 typed, Tab to p", ["2", "Tab"], ["p = text.", r"@p selected\."]),
    ("4 typed, Tab to oblicz and space", ["4", "Tab", "space"], [r"notification 0,5x\^2-0,5x\+1\."]),
    ("Tab round to m, 1e400 typed, Tab to oblicz and space",
     ["Tab"] * 5 + ["1", "e", "4", "0", "0", "Tab", "Tab", "Tab", "space"],
     ["alert Parabolix.", "Przepełnienie: liczba jest zbyt duża."]),
    ("the message closed, Tab to the draw and space",
     ["<close the message>", "<focus>", "Tab", "Tab", "space"], [DRAWN]),
]


def run_checks(program, dpy):
    window = wait_for(lambda: next(iter(mapped_windows(dpy)), None), "the window")
    state = window.get_full_property(dpy.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
    check("window skips the taskbar",
          state and dpy.intern_atom("_NET_WM_STATE_SKIP_TASKBAR") in state.value)

    drawn = {}
    for action, keys, patterns in STEPS:
        expected = [re.sub("@([mnp])", lambda name: drawn.get(name[1], "?"), p) for p in patterns]
        start = len(spoken)
        for key in keys:
            if key == "<focus>":
                window.set_input_focus(X.RevertToParent, X.CurrentTime)
                dpy.sync()
            elif key == "<close the message>":
                close(dpy, next(w for w in mapped_windows(dpy) if w != window))
                wait_for(lambda: len(mapped_windows(dpy)) == 1, "the message box to close")
            else:
                press(dpy, [key])
        said = speech_until(start, expected[-1], expected[-1])
        tail = said[-len(expected):]
        check(f"{action}: Orca says {' | '.join(expected)}", len(tail) == len(expected) and all(
            re.fullmatch(pattern, utterance) for pattern, utterance in zip(expected, tail)), said)
        if found := re.fullmatch(DRAWN, said[-1]):
            drawn = dict(zip("mnp", found.groups()))

    close(dpy, window)
    check("closing the window ends the program with status 0", program.wait(timeout=15) == 0)


def main(binary):
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    home = tempfile.mkdtemp()
    terminal, log = pty.openpty()
    tty.setraw(log)
    threading.Thread(target=listen, args=(terminal,), daemon=True).start()
    # Orca with no settings of its own, and the program in Polish on the X server.
    env = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_NUMERIC")}
    env.update(HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data")
    # Orca refuses to start, or with --replace kills, any other Orca of the
    # same user, though each test has a bus of its own; this one must neither
    # fail beside a user's own screen reader nor silence it.
    alone = ("import runpy, sys; main = runpy.run_path('/usr/bin/orca', run_name='orca_launcher')['main'];"
             "main.__globals__['otherOrcas'] = lambda: []; sys.exit(main())")
    orca = subprocess.Popen([sys.executable, "-c", alone, "-u", f"{home}/orca",
                             "--debug-file", os.ttyname(log)], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program = None
    try:
        speech_until(0, r"Screen reader on\.", "that it is on")
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="pl_PL.UTF-8",
                   LSAN_OPTIONS=f"suppressions={os.path.dirname(__file__)}/leaks.supp")
        program = subprocess.Popen([binary], env=env)
        run_checks(program, display.Display())
    except TimeoutError as error:
        check("Orca says what the steps above wait for", False, str(error))
    finally:
        for process in (program, orca):
            if process:
                process.kill()
    print(f"{checks['passed']} passed, {checks['failed']} failed")
    return 1 if checks["failed"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
