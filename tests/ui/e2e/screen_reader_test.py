"""The program as a blind pupil meets it, driven from the keyboard in Xvfb:
Orca on X11 and a private D-Bus session hearing the window, or with --page
the page in Debian's Chromium (Orca writes what it would speak to its debug
file, here a pseudo-terminal); or with --windows, a UI Automation client
hearing the Windows program under Wine 10 (scripts/in_wine10.sh). Prints a
line per check and 'N passed, N failed'. Usage: screen_reader_test.py
<program> | --page <site folder> | --windows <parabolix.exe> <uia_listener.exe>"""

import json

import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

from Xlib import X, XK, Xatom, display, error, protocol
from Xlib.ext import xtest

sys.path[:0] = [os.path.join(os.path.dirname(__file__), "../../../web"),
                os.path.join(os.path.dirname(__file__), "../../web")]
import browsers  # noqa: E402
import serve  # noqa: E402

checks = {"passed": 0, "failed": 0}
spoken = []
arrived = threading.Condition()


def check(name, ok, detail=""):
    checks["passed" if ok else "failed"] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + (f": {detail}" if not ok else ""), flush=True)


def listen(terminal, utterance=r"SPEECH OUTPUT: '(.*)' ?{'"):
    """Collects the screen reader's utterances, keys it merely echoes left out."""
    with os.fdopen(terminal, "rb", buffering=0) as log:
        pending = b""
        while chunk := log.read(65536):
            *lines, pending = (pending + chunk).split(b"\n")
            for line in lines:
                if found := re.search(utterance, line.decode(errors="replace")):
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
                raise TimeoutError(f"never heard {what}; heard {spoken[start:]}")


def wait_for(find, what):
    deadline = time.monotonic() + 90
    while not (found := find()):
        if time.monotonic() > deadline:
            raise TimeoutError(f"gave up waiting for {what}")
        time.sleep(0.1)
    return found


def press(dpy, keys):
    """Presses each key, "Control_L+c" as the two together."""
    for name in keys:
        codes = [dpy.keysym_to_keycode(XK.string_to_keysym(part)) for part in name.split("+")]
        for kind, code in [(X.KeyPress, code) for code in codes] + [(X.KeyRelease, code) for code in codes[::-1]]:
            xtest.fake_input(dpy, kind, code)
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


NUMBER = r"(10[01]|[1-9][0-9]?)"
DRAWN = f"m = {NUMBER}, n = {NUMBER}, p = {NUMBER}"
OVERFLOW = "Przepełnienie: liczba jest zbyt duża."
# The Windows program and the listener; Wine's record of a notification call is heard.
WINDOWS = ("WINEDEBUG=-all,fixme+uiautomation wine /tour/parabolix.exe 2>&1 & "
           "wine /tour/uia_listener.exe & wait %1")
NOTIFIED = r'.*UiaRaiseNotificationEvent \(\w+, \d+, \d+, L"{}", L""\): stub'
WINDOW = re.escape(  # each control's kind and name, as a UI Automation client meets them
    'Window "Parabolix": Text "Losuj lub wpisz trzy liczby na podstwie wzoru: y = ax^2+bx+c" / '
    'Text "gdzie a, b, c są dowolnymi liczbami. " / Text "Zmienna x przyjmuje wartości x=1, x=2, x=3." / '
    'Text "m =" / Text "n =" / Text "p =" / Edit "Wzory" / Group "" / Edit "Układ równań" / Group "" / '
    'Button "Wyznacz trzy liczby m, n, p" / Edit "Wielomian" / Button "oblicz" / Edit "p" / Edit "n" / '
    'Edit "m" / Custom ""')
# What the user does, and what must be said then, in order: by Orca from the
# window and from the page, and through UI Automation from the Windows program
# (patterns; @m, @n and @p are the numbers the last draw announced, which must
# be the numbers in the boxes; no UI Automation route of Wine's gives a box's
# text, so there "<copy>" copies it). With no window manager, "<focus>" gives
# the window the focus. Qt holds each key for the screen reader's answer, and
# none comes while the message box's event loop runs inside the answer to the
# space that opened it, so the box is closed by its title bar's button (the
# page's by Escape); the last draw waits on all answers before the end.
STEPS = [
    ("the window opens with focus in m", ["<focus>"],
     ["Parabolix frame.", "m = text.", "16."], [r"(Parabolix frame|Finished loading Parabolix)\.", r"m = entry 16\."],
     [WINDOW]),
    ("Tab to n", ["Tab"], ["n = text.", "34 selected."], ["n = entry 34 selected."], ['Edit "n"']),
    ("Tab to p", ["Tab"], ["p = text.", "58 selected."], ["p = entry 58 selected."], ['Edit "p"']),
    ("Tab to oblicz", ["Tab"], ["oblicz push button."], ["oblicz push button."], ['Button "oblicz"']),
    ("space on oblicz", ["space"], [r"notification 3x\^2\+9x\+4\."], [r"3x\^2\+9x\+4"],
     [NOTIFIED.format(r"3x\^2\+9x\+4")]),
    ("Tab to the polynomial", ["Tab"], ["Wielomian read only text.", r"3x\^2\+9x\+4 selected\."],
     [r"Wielomian read only entry 3x\^2\+9x\+4 selected\."], ['Edit "Wielomian"']),
    ("Tab to the draw", ["Tab"], ["Wyznacz trzy liczby m, n, p push button."],
     ["Wyznacz trzy liczby m, n, p push button."], ['Button "Wyznacz trzy liczby m, n, p"']),
    ("space on the draw", ["space"], [f"notification {DRAWN}."], [DRAWN], [NOTIFIED.format(DRAWN)]),
    ("Tab past the texts to m", ["Tab"] * 3, ["m = text.", r"@m selected\."],
     [r"m = entry @m selected\."], ['Edit "Układ równań"', 'Edit "Wzory"', 'Edit "m"']),
    ("m copied", ["<copy>"], [], [], ["copied @m"]),
    ("1 typed, Tab to n", ["1", "Tab"], ["n = text.", r"@n selected\."], [r"n = entry @n selected\."],
     ['Edit "n"']),
    ("n copied", ["<copy>"], [], [], ["copied @n"]),
    ("2 typed, Tab to p", ["2", "Tab"], ["p = text.", r"@p selected\."], [r"p = entry @p selected\."],
     ['Edit "p"']),
    ("p copied", ["<copy>"], [], [], ["copied @p"]),
    ("4 typed, Tab to oblicz and space", ["4", "Tab", "space"],
     [r"notification 0,5x\^2-0,5x\+1\."], [r"0,5x\^2-0,5x\+1"], [NOTIFIED.format(r"0,5x\^2-0,5x\+1")]),
    ("Tab round to m", ["Tab"] * 5, ["m = text.", r"1 selected\."], [r"m = entry 1 selected\."], ['Edit "m"']),
    ("1e400 typed, Tab to oblicz and space", ["1", "e", "4", "0", "0", "Tab", "Tab", "Tab", "space"],
     ["alert Parabolix.", OVERFLOW], ["alert Parabolix.", f"Parabolix {OVERFLOW}"],
     [re.escape(f'Window "Parabolix": Image "" / Text "{OVERFLOW}" / Group "" / Button "OK"')]),
    ("the message closed", ["<close the message>", "<focus>"], ["oblicz push button."], [r"0,5x\^2-0,5x\+1"],
     ['Button "oblicz"']),
    ("Tab to the draw and space", ["Tab", "Tab", "space"], [f"notification {DRAWN}."], [DRAWN],
     [NOTIFIED.format(DRAWN)]),
]


def in_order(patterns, said):
    """Whether each pattern matches an utterance of `said`, in order."""
    rest = iter(said)
    return all(any(re.fullmatch(pattern, utterance) for utterance in rest) for pattern in patterns)


def run_checks(program, dpy, face):
    window = wait_for(lambda: next(iter(mapped_windows(dpy)), None), "the window")
    if face == 0:  # Wine, with no window manager to ask, leaves the hint to the Windows tests
        state = window.get_full_property(dpy.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
        check("window skips the taskbar",
              state and dpy.intern_atom("_NET_WM_STATE_SKIP_TASKBAR") in state.value)

    drawn = {}
    start = 0  # the page speaks as it loads, before the first key
    for action, keys, *faces in STEPS:
        expected = [re.sub("@([mnp])", lambda name: drawn.get(name[1], "?"), pattern)
                    for pattern in faces[face]]
        for key in keys:
            if key == "<focus>":
                window.set_input_focus(X.RevertToParent, X.CurrentTime)
                dpy.sync()
            elif key == "<copy>":
                press(dpy, ["Control_L+c"] if face == 2 else [])
            elif key == "<close the message>" and face == 1:
                press(dpy, ["Escape"])
            elif key == "<close the message>":
                close(dpy, next(w for w in mapped_windows(dpy) if w != window))
                wait_for(lambda: len(mapped_windows(dpy)) == 1, "the message box to close")
            else:
                press(dpy, [key])
        if not expected:
            continue  # nothing to hear on this face
        said = speech_until(start, expected[-1], expected[-1])
        check(f"{action}: heard {' | '.join(expected)}", in_order(expected, said), said)
        if found := re.search(DRAWN, said[-1]):
            drawn = dict(zip("mnp", found.groups()))
        start = len(spoken)

    if face != 1:
        close(dpy, window)
        check("closing the window ends the program with status 0", program.wait(timeout=15) == 0)


def chromium(site, home):
    """Debian's Chromium showing the page as an app, in Polish, with its
    accessibility on and nothing of its own to say."""
    url = f"http://127.0.0.1:{serve.start(site).server_port}/"
    os.makedirs(f"{home}/chromium/Default")
    with open(f"{home}/chromium/Default/Preferences", "w") as preferences:
        json.dump({"translate": {"enabled": False}, "intl": {"accept_languages": "pl"}}, preferences)
    return ["/usr/bin/chromium", *browsers.CHROMIUM_FLAGS, "--test-type", f"--user-data-dir={home}/chromium",
            "--force-renderer-accessibility", f"--app={url}"]


def orca(home, env):
    """Orca with no settings of its own, on a bus of its own, once it is on."""
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    terminal, log = pty.openpty()
    tty.setraw(log)
    threading.Thread(target=listen, args=(terminal,), daemon=True).start()
    # Orca refuses to start, or with --replace kills, any other Orca of the
    # same user, though each test has a bus of its own; this one must neither
    # fail beside a user's own screen reader nor silence it.
    alone = ("import runpy, sys; main = runpy.run_path('/usr/bin/orca', run_name='orca_launcher')['main'];"
             "main.__globals__['otherOrcas'] = lambda: []; sys.exit(main())")
    reader = subprocess.Popen([sys.executable, "-c", alone, "-u", f"{home}/orca",
                               "--debug-file", os.ttyname(log)], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    speech_until(0, r"Screen reader on\.", "that it is on")
    return reader


def main(args):
    face = {"--page": 1, "--windows": 2}.get(args[0], 0)
    home = tempfile.mkdtemp()
    program = reader = env = None  # Wine 10's root is in the user's own cache
    try:
        if face == 2:  # the two programs side by side in a folder the root's user can read, in Polish
            env = dict(os.environ, LC_ALL="pl_PL.UTF-8")
            os.chmod(home, 0o755)
            os.makedirs(f"{home}/tour")
            for binary in args[1:3]:
                shutil.copy(binary, f"{home}/tour")
            command = ["bash", f"{os.path.dirname(__file__)}/../../../scripts/in_wine10.sh", f"{home}/tour",
                       "bash", "-c", WINDOWS]
        else:
            env = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_NUMERIC")}
            env.update(HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data")
            reader = orca(home, env)
            # The program in Polish on the X server.
            env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="pl_PL.UTF-8",
                       LANGUAGE="pl", LSAN_OPTIONS=f"suppressions={os.path.dirname(__file__)}/leaks.supp")
            command = chromium(args[1], home) if face else [args[0]]
        program = subprocess.Popen(command, env=env, stdout=subprocess.PIPE if face == 2 else subprocess.DEVNULL,
                                   stderr=None if face == 2 else subprocess.DEVNULL, start_new_session=face == 2)
        if face == 2:
            threading.Thread(target=listen, args=(program.stdout.fileno(), "([^\r]+)"), daemon=True).start()
        run_checks(program, display.Display(), face)
    except TimeoutError as error:
        check("the screen reader says what the steps above wait for", False, str(error))
    finally:
        for process in (program, reader):
            if process and process.poll() is None:
                os.killpg(process.pid, 9) if process is program and face == 2 else process.kill()
    print(f"{checks['passed']} passed, {checks['failed']} failed")
    return 1 if checks["failed"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
