"""The program as a blind pupil meets it: Orca on X11, the window, or with
--page the page in Debian's Chromium, driven from the keyboard, in Xvfb and a
private D-Bus session. Orca writes what it would speak to its debug file, here
a pseudo-terminal, so each line arrives as it is written. Prints a line per
check and 'N passed, N failed'. Usage: screen_reader_test.py <program> |
--page <site folder>"""

import json

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

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../../web"))
import serve  # noqa: E402

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
            title = w.get_full_property(dpy.intern_atom("_NET_WM_NAME"), 0)
            return ("Parabolix" in (w.get_wm_name(), title and title.value.decode())
                    and w.get_attributes().map_state == X.IsViewable)
        except error.BadWindow:  # gone since the list was made
            return False
    return [w for w in dpy.screen().root.query_tree().children if shown(w)]


NUMBER = r"([1-9]|[1-9][0-9]|10[01])"
DRAWN = f"m = {NUMBER}, n = {NUMBER}, p = {NUMBER}"
OVERFLOW = "Przepełnienie: liczba jest zbyt duża."
# What the user does, and what Orca must say then, in order, from the window
# and from the page (patterns; @m, @n and @p are the numbers the last draw
# announced, which must be the numbers in the boxes). There is no window
# manager to give a window the focus: "<focus>" does, as one would. Qt holds
# each key for the screen reader's answer, and none comes while the message
# box's event loop runs inside the answer to the space that opened it, so the
# box is closed by its title bar's button (the page's by Escape); the draw after
# it waits on the answers to its own keys, and so on those of all keys before,
# so that none is still held when the program ends.
STEPS = [
    ("the window opens with focus in m", ["<focus>"],
     ["Parabolix frame.", "m = text.", "16."], ["Parabolix frame.", r"m = entry 16\."]),
    ("Tab to n", ["Tab"], ["n = text.", "34 selected."], ["n = entry 34 selected."]),
    ("Tab to p", ["Tab"], ["p = text.", "58 selected."], ["p = entry 58 selected."]),
    ("Tab to oblicz", ["Tab"], ["oblicz push button."], ["oblicz push button."]),
    ("space on oblicz", ["space"], [r"notification 3x\^2\+9x\+4\."], [r"3x\^2\+9x\+4"]),
    ("Tab to the polynomial", ["Tab"], ["Wielomian read only text.", r"3x\^2\+9x\+4 selected\."],
     [r"Wielomian read only entry 3x\^2\+9x\+4 selected\."]),
    ("Tab to the draw", ["Tab"], ["Wyznacz trzy liczby m, n, p push button."],
     ["Wyznacz trzy liczby m, n, p push button."]),
    ("space on the draw", ["space"], [f"notification {DRAWN}."], [DRAWN]),
    ("Tab past the texts to m", ["Tab"] * 3, ["m = text.", r"@m selected\."],
     [r"m = entry @m selected\."]),
    ("1 typed, Tab to n", ["1", "Tab"], ["n = text.", r"@n selected\."], [r"n = entry @n selected\."]),
    ("2 typed, Tab to p", ["2", "Tab"], ["p = text.", r"@p selected\."], [r"p = entry @p selected\."]),
    ("4 typed, Tab to oblicz and space", ["4", "Tab", "space"],
     [r"notification 0,5x\^2-0,5x\+1\."], [r"0,5x\^2-0,5x\+1"]),
    ("Tab round to m", ["Tab"] * 5, ["m = text.", r"1 selected\."], [r"m = entry 1 selected\."]),
    ("1e400 typed, Tab to oblicz and space", ["1", "e", "4", "0", "0", "Tab", "Tab", "Tab", "space"],
     ["alert Parabolix.", OVERFLOW], ["alert Parabolix.", f"Parabolix {OVERFLOW}"]),
    ("the message closed, Tab to the draw and space",
     ["<close the message>", "<focus>", "Tab", "Tab", "space"], [f"notification {DRAWN}."], [DRAWN]),
]


def in_order(patterns, said):
    """Whether each pattern matches an utterance of `said`, in order."""
    rest = iter(said)
    return all(any(re.fullmatch(pattern, utterance) for utterance in rest) for pattern in patterns)


def run_checks(program, dpy, page):
    window = wait_for(lambda: next(iter(mapped_windows(dpy)), None), "the window")
    if not page:
        state = window.get_full_property(dpy.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
        check("window skips the taskbar",
              state and dpy.intern_atom("_NET_WM_STATE_SKIP_TASKBAR") in state.value)

    drawn = {}
    start = 0  # the page speaks as it loads, before the first key
    for action, keys, *faces in STEPS:
        expected = [re.sub("@([mnp])", lambda name: drawn.get(name[1], "?"), pattern)
                    for pattern in faces[page]]
        for key in keys:
            if key == "<focus>":
                window.set_input_focus(X.RevertToParent, X.CurrentTime)
                dpy.sync()
            elif key == "<close the message>" and page:
                press(dpy, ["Escape"])
            elif key == "<close the message>":
                close(dpy, next(w for w in mapped_windows(dpy) if w != window))
                wait_for(lambda: len(mapped_windows(dpy)) == 1, "the message box to close")
            else:
                press(dpy, [key])
        said = speech_until(start, expected[-1], expected[-1])
        check(f"{action}: Orca says {' | '.join(expected)}", in_order(expected, said), said)
        if found := re.search(DRAWN + r"\.?$", said[-1]):
            drawn = dict(zip("mnp", found.groups()))
        start = len(spoken)

    if not page:
        close(dpy, window)
        check("closing the window ends the program with status 0", program.wait(timeout=15) == 0)


def chromium(site, home):
    """Debian's Chromium showing the page as an app, in Polish, with its
    accessibility on and nothing of its own to say."""
    url = f"http://127.0.0.1:{serve.start(site).server_port}/"
    os.makedirs(f"{home}/chromium/Default")
    with open(f"{home}/chromium/Default/Preferences", "w") as preferences:
        json.dump({"translate": {"enabled": False}, "intl": {"accept_languages": "pl"}}, preferences)
    return ["/usr/bin/chromium", *serve.CHROMIUM_FLAGS, "--test-type", f"--user-data-dir={home}/chromium",
            "--force-renderer-accessibility", f"--app={url}"]


def main(binary, site=None):
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
                   LANGUAGE="pl", LSAN_OPTIONS=f"suppressions={os.path.dirname(__file__)}/leaks.supp")
        program = subprocess.Popen(chromium(site, home) if site else [binary], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        run_checks(program, display.Display(), bool(site))
    except TimeoutError as error:
        check("Orca says what the steps above wait for", False, str(error))
    finally:
        for process in (program, orca):
            if process:
                process.kill()
    print(f"{checks['passed']} passed, {checks['failed']} failed")
    return 1 if checks["failed"] else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
