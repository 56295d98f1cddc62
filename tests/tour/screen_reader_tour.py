"""The program as a blind pupil meets it, driven from the keyboard in Xvfb,
in each of its faces: Orca on X11 and a private D-Bus session hearing the
window, or with --page, --firefox or --webkit the page in Debian's Chromium,
Firefox ESR or WebKitGTK (Orca writes what it would speak to its debug file,
here a pseudo-terminal);
or with --windows, a UI Automation client hearing the Windows program under
Wine 10. Prints a line per check and 'N passed, N failed'. Usage:
screen_reader_tour.py <program> | --page|--firefox|--webkit <site> | --windows <parabolix.exe> <uia_listener.exe>"""

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
import typing

from Xlib import X, XK, Xatom, display, error, protocol
from Xlib.ext import xtest

sys.path[:0] = [os.path.join(os.path.dirname(__file__), "../../web"),
                os.path.join(os.path.dirname(__file__), "../common")]
from checks import CHROMIUM_FLAGS, check, counts, firefox_profile, tally, wait_for  # noqa: E402
import serve  # noqa: E402

spoken = []
arrived = threading.Condition()


def listen(terminal, utterance=r"SPEECH OUTPUT: '(.*)' ?{'"):
    """Collects the screen reader's utterances, keys it merely echoes left out."""
    with os.fdopen(terminal, "rb", buffering=0) as log:
        pending = b""
        while chunk := log.read(65536):
            *lines, pending = (pending + chunk).split(b"\n")
            for line in lines:
                if found := re.search(utterance, line.decode(errors="replace")):
                    if found[1] not in ("tab ", "space ", "escape ", "left shift "):
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


NUMBER = r"(10[01]|[1-9][0-9]?)"
DRAWN = f"m = {NUMBER}, n = {NUMBER}, p = {NUMBER}"
OVERFLOW = "Przepełnienie: liczba jest zbyt duża."
NOTIFIED = r'.*UiaRaiseNotificationEvent \(\w+, \d+, \d+, L"{}", L""\): stub'
WINDOW = r'Window "Parabolix": .*'  # and its controls; their names are the window test's to check
# WebKit says the drawn number of a box not always. At times Orca first says
# "71" and "selected" apart, from the box's selection, before it has taken the
# focus there: a key typed then is Orca's own (1: the next heading). The box's
# name comes once it has.
WEBKIT_BOX = rf"{{}} = entry( {NUMBER})?( selected)?\."
VERDICT = "Brawo! To jest rozwiązanie: y = 0,5x^2-0,5x+1."
LINKED = r"(Link skopiowany|Skopiuj adres z pola Adres zadania)\."
PLOTTED = re.escape("Parabola y = 0,5x^2-0,5x+1 przechodzi przez punkty A(1; 1), B(2; 2) i C(3; 4).") + ".*"


class Step(typing.NamedTuple):
    """What the user does (keys, or <a face's action>), and the patterns of
    what each face must say then, in order (Firefox as Chromium and WebKit
    as Firefox, unless they say otherwise; WebKit speaks no live region); @m, @n and @p stand for the numbers the last draw
    announced, which must be the numbers in the boxes."""
    action: str
    keys: list
    window: list = []
    page: list = []
    windows: list = []
    firefox: list = None
    webkit: list = None


STEPS = [
    Step("the window opens with focus in m", ["<focus>"],
         window=["Parabolix frame.", "m = text.", "16."],
         page=[r"((Parabolix.*|Chromium) frame|Finished loading Parabolix)\.", r"m = entry 16\."], windows=[WINDOW],
         webkit=[r"m = entry( 16)?( selected)?\."]),
    Step("Tab to n", ["Tab"], window=["n = text.", "34 selected."], page=["n = entry 34 selected."],
         windows=['Edit "n"'], webkit=["n = entry selected."]),
    Step("Tab to p", ["Tab"], window=["p = text.", "58 selected."], page=["p = entry 58 selected."],
         windows=['Edit "p"']),
    Step("Tab to oblicz", ["Tab"], window=["oblicz push button."], page=["oblicz push button."],
         windows=['Button "oblicz"']),
    Step("space on oblicz", ["space"], window=[r"notification 3x\^2\+9x\+4\."], page=[r"3x\^2\+9x\+4"],
         windows=[NOTIFIED.format(r"3x\^2\+9x\+4")], webkit=[]),
    Step("Tab to the polynomial", ["Tab"], window=["Wielomian read only text.", r"3x\^2\+9x\+4 selected\."],
         page=[r"Wielomian read only entry 3x\^2\+9x\+4 selected\."], windows=['Edit "Wielomian"']),
    Step("Tab to the draw", ["Tab"], window=["Wyznacz trzy liczby m, n, p push button."],
         page=["Wyznacz trzy liczby m, n, p push button."], windows=['Button "Wyznacz trzy liczby m, n, p"']),
    Step("space on the draw", ["space"], window=[f"notification {DRAWN}."], page=[DRAWN],
         windows=[NOTIFIED.format(DRAWN)], webkit=[]),
    Step("Tab past the texts to m", ["Tab", "Tab", "<round>"], window=["m = text.", r"@m selected\."],
         page=[r"m = entry @m selected\."], windows=['Edit "Układ równań"', 'Edit "Wzory"', 'Edit "m"'],
         webkit=[WEBKIT_BOX.format("m")]),  # WebKit: no number drawn said
    Step("1 typed, Tab to n", ["1", "Tab"], window=["n = text.", r"@n selected\."],
         page=[r"n = entry @n selected\."], windows=['Edit "n"'], webkit=[WEBKIT_BOX.format("n")]),
    Step("2 typed, Tab to p", ["2", "Tab"], window=["p = text.", r"@p selected\."],
         page=[r"p = entry @p selected\."], windows=['Edit "p"'], webkit=[WEBKIT_BOX.format("p")]),
    Step("4 typed, Tab to oblicz and space", ["4", "Tab", "space"], window=[r"notification 0,5x\^2-0,5x\+1\."],
         page=[r"0,5x\^2-0,5x\+1"], windows=[NOTIFIED.format(r"0,5x\^2-0,5x\+1")], webkit=["oblicz push button."]),
    # Beside the window on the page, the plot of the riddle just solved.
    Step("Tab to the plot's slider", ["Tab"] * 4 + ["<plot>"],
         page=[r"Wędrówka po wykresie horizontal slider x = 1; y = 1; punkt A\.", PLOTTED],
         firefox=[PLOTTED + " figure\\.", r"Wędrówka po wykresie slider x = 1; y = 1; punkt A\."],
         webkit=[r"Wędrówka po wykresie horizontal slider x = 1; y = 1; punkt A\."]),  # no description
    # Below the plot, the lesson: the pupil's answer checked, its verdict told where the focus stays.
    Step("Tab past the plot to the answer's a", ["<to_answer>"], page=[r"a = entry\."]),
    Step("0.5 typed, Tab to b", ["<answer_b>"], page=[r"b = entry\."]),
    Step("-0.5 typed, Tab to c", ["<answer_c>"], page=[r"c = entry\."]),
    Step("1 typed, Tab to Sprawdź and space", ["<check_answer>"], page=[re.escape(VERDICT)],
         webkit=[r"Sprawdź push button\."]),
    Step("Tab from Sprawdź to the steps", ["<past_check>"], page=[r"Rozwiązanie krok po kroku.*"]),
    # Last, the classroom's link: its address copied, or to copy from its box.
    Step("Tab past the forms to the link's button and space", ["<share_link>"],
         page=[LINKED], webkit=[r"Link do zadania push button\."]),
    Step("Tab round to m", ["<round>"], window=["m = text.", r"1 selected\."],
         page=[r"m = entry 1 selected\."], windows=['Edit "m"'], webkit=[r"m = entry( 1)?( selected)?\."]),
    Step("1e400 typed, Tab to oblicz and space", ["1", "e", "4", "0", "0", "Tab", "Tab", "Tab", "space"],
         window=["alert Parabolix.", OVERFLOW], page=["alert Parabolix.", f"Parabolix {OVERFLOW}"],
         firefox=["OK push button.", OVERFLOW],
         windows=[re.escape(f'Window "Parabolix": Image "" / Text "{OVERFLOW}" / Group "" / Button "OK"')]),
    Step("the message closed", ["<close_message>", "<focus>"], window=["oblicz push button."],
         page=[LINKED], windows=['Button "oblicz"'], firefox=["oblicz push button."]),
    # The last draw waits on every answer before the end.
    Step("Tab to the draw and space", ["Tab", "Tab", "space"], window=[f"notification {DRAWN}."], page=[DRAWN],
         windows=[NOTIFIED.format(DRAWN)], webkit=["Wyznacz trzy liczby m, n, p push button."]),
]


def in_order(patterns, said):
    """Whether each pattern matches an utterance of `said`, in order."""
    rest = iter(said)
    return all(any(re.fullmatch(pattern, utterance) for utterance in rest) for pattern in patterns)


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


class Face:
    """One of the program's faces on the X display: keys pressed as a user
    presses them; <focus> gives the window the focus, there being no window
    manager; the message box is closed by its title bar's button, as Qt holds
    each key for the screen reader's answer, and none comes while the box's
    event loop runs inside the answer to the key that opened it."""
    reader = None

    def __init__(self, program):
        self.program, self.dpy = program, display.Display()
        self.window = wait_for(lambda: next(iter(self.windows()), None), "the window")

    def windows(self):
        def shown(w):
            try:
                title = w.get_full_property(self.dpy.intern_atom("_NET_WM_NAME"), 0)
                names = (w.get_wm_name(), title and title.value.decode())  # Firefox adds its own name
                return (any(name and name.startswith("Parabolix") for name in names)
                        and w.get_attributes().map_state == X.IsViewable)
            except error.BadWindow:  # gone since the list was made
                return False
        return [w for w in self.dpy.screen().root.query_tree().children if shown(w)]

    def press(self, *keys):
        """Presses each key, "Control_L+c" as the two together."""
        for name in keys:
            codes = [self.dpy.keysym_to_keycode(XK.string_to_keysym(part)) for part in name.split("+")]
            for kind, code in [(X.KeyPress, code) for code in codes] + [(X.KeyRelease, c) for c in codes[::-1]]:
                xtest.fake_input(self.dpy, kind, code)
        self.dpy.sync()

    def close(self, window):
        window.send_event(protocol.event.ClientMessage(window=window, data=(32, [self.dpy.intern_atom(
            "WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]), client_type=self.dpy.intern_atom("WM_PROTOCOLS")))
        self.dpy.flush()

    def opened(self):
        pass

    def round(self):
        """From the last box to the first."""
        self.press("Tab")

    def plot(self):
        """From the last box to the plot beside the window, where there is one."""

    # The lesson's answer, where there is one: from the plot to its box a, a
    # number typed in each box and Tab to the next, Sprawdź pressed; then on.
    def to_answer(self):
        pass

    answer_b = answer_c = check_answer = past_check = share_link = to_answer

    def focus(self):
        self.window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.dpy.sync()

    def close_message(self):
        self.close(next(w for w in self.windows() if w != self.window))
        wait_for(lambda: len(self.windows()) == 1, "the message box to close")

    def finish(self):
        self.close(self.window)
        check("closing the window ends the program with status 0", self.program.wait(timeout=15) == 0)

    def end(self):
        for process in (self.program, self.reader):
            if process and process.poll() is None:
                process.kill()


class Window(Face):
    """The Linux program in Polish, Orca hearing it."""
    def __init__(self, home, *program):
        env = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_NUMERIC")}
        env.update(HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data")
        self.reader = orca(home, env)
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", GNOME_ACCESSIBILITY="1",  # Firefox's
                   LANG="pl_PL.UTF-8", LANGUAGE="pl",
                   LSAN_OPTIONS=f"suppressions={os.path.dirname(__file__)}/leaks.supp")
        super().__init__(subprocess.Popen(self.command(home, *program), env=env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL))

    def command(self, home, program):
        return [program]

    def opened(self):
        state = self.window.get_full_property(self.dpy.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
        check("window skips the taskbar", state and self.dpy.intern_atom("_NET_WM_STATE_SKIP_TASKBAR") in state.value)


class Page(Window):
    """The page in Debian's Chromium as an app, in Polish, with its
    accessibility on and nothing of its own to say; Orca hearing it."""
    passed = 0  # how many tab stops past the window's last the focus is

    def served(self, site):
        """The page's address, `site` served on this machine alone."""
        self.server = serve.start(site)
        return f"http://127.0.0.1:{self.server.server_port}/"

    def opened(self):
        """The first key waits for the core: the page shows its start before,
        but a button pressed then acts only once it has come. The page asks for
        sw.js only once its core has started it. (A browser's window is the
        browser's to place.)"""
        wait_for(lambda: "/sw.js" in self.server.asked, "the page's core to start it")

    def command(self, home, site):
        self.window_stops, self.after_stops = self.stops(site, "main"), self.stops(site, "/main")
        os.makedirs(f"{home}/chromium/Default")
        with open(f"{home}/chromium/Default/Preferences", "w") as preferences:
            json.dump({"translate": {"enabled": False}, "intl": {"accept_languages": "pl"}}, preferences)
        return ["/usr/bin/chromium", *CHROMIUM_FLAGS, "--test-type", f"--user-data-dir={home}/chromium",
                "--force-renderer-accessibility", f"--app={self.served(site)}"]

    def close_message(self):
        self.press("Escape")

    def finish(self):
        pass

    def stops(self, site, where):
        """How many tab stops the built page has in the element `where`, or
        with "/main" after the window up to its message."""
        with open(f"{site}/index.html") as page:
            html = page.read()
        part = html.split(f"<{where}", 1)[1].split(f"</{where}>", 1)[0].split("<dialog", 1)[0]
        return len(re.findall(r"<(input|textarea|button|summary)\b", part))

    def forward(self, *keys):
        """Presses the keys, each Tab one stop further past the window."""
        self.press(*keys)
        self.passed += keys.count("Tab")

    def plot(self):
        self.forward("Tab")

    def to_answer(self):
        self.forward("Tab", "Tab")

    def answer_b(self):
        self.forward("0", "period", "5", "Tab")

    def answer_c(self):
        self.forward("minus", "0", "period", "5", "Tab")

    def check_answer(self):
        self.forward("1", "Tab", "space")

    def past_check(self):
        self.forward("Tab")

    def share_link(self):
        self.forward("Tab", "Tab", "space")

    def round(self):
        """Through the controls after the window, and round from the last to the first."""
        self.press(*["Tab"] * (self.after_stops + 1 - self.passed))
        self.passed = 0


class Firefox(Page):
    """The page in Firefox ESR, full screen in a profile of its own. A Tab
    from the last box leaves the page for the browser's own controls: the
    way round to the first box goes back through the window's tab stops."""
    def command(self, home, site):
        self.window_stops = self.stops(site, "main")
        return ["/usr/bin/firefox-esr", "--no-remote", "--profile", firefox_profile("pl"), "--kiosk",
                self.served(site)]

    def round(self):
        self.press(*["Shift_L+Tab"] * (self.window_stops - 1 + self.passed))
        self.passed = 0


class WebKit(Firefox):
    """The page in WebKitGTK's MiniBrowser, the engine of GNOME Web (and,
    as WebKit, of Safari), in Polish. As in Firefox, a Tab from the last
    control leaves the page for the browser's own."""
    def command(self, home, site):
        self.window_stops = self.stops(site, "main")
        # WebKitGTK takes its language from the C library's locale, made here.
        subprocess.run(["localedef", "-i", "pl_PL", "-f", "UTF-8", f"{home}/pl_PL.UTF-8"], check=True)
        return ["env", f"LOCPATH={home}", "LC_ALL=pl_PL.UTF-8", "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
                self.served(site)]


class Windows(Face):
    """The Windows program under Wine 10 (scripts/lib/in_wine10.sh) in Polish, a
    UI Automation client beside it, in a folder the root's user can read;
    Wine's record of a notification call is heard. Wine, with no window
    manager to ask, leaves the taskbar's hint to the Windows tests."""
    def __init__(self, home, program, listener):
        os.chmod(home, 0o755)
        os.makedirs(f"{home}/tour")
        for binary in (program, listener):
            shutil.copy(binary, f"{home}/tour")
        super().__init__(subprocess.Popen(
            ["bash", f"{os.path.dirname(__file__)}/../../scripts/lib/in_wine10.sh", f"{home}/tour", "bash", "-c",
             "WINEDEBUG=-all,fixme+uiautomation wine /tour/parabolix.exe 2>&1 & wine /tour/uia_listener.exe & "
             "wait %1"], env=dict(os.environ, LC_ALL="pl_PL.UTF-8"), stdout=subprocess.PIPE, start_new_session=True))
        threading.Thread(target=listen, args=(self.program.stdout.fileno(), "([^\r]+)"), daemon=True).start()

    def end(self):
        if self.program.poll() is None:
            os.killpg(self.program.pid, 9)


def tour(face, name):
    face.opened()
    drawn = {}
    start = 0  # the page speaks as it loads, before the first key
    for step in STEPS:
        words = next(w for w in (getattr(step, name), step.firefox if name == "webkit" else None, step.page) if w is not None)
        expected = [re.sub("@([mnp])", lambda letter: drawn.get(letter[1], "?"), pattern) for pattern in words]
        for key in step.keys:
            getattr(face, key[1:-1])() if key.startswith("<") else face.press(key)
        if not expected:
            continue  # nothing to hear on this face
        said = speech_until(start, expected[-1], expected[-1])
        check(f"{step.action}: heard {' | '.join(expected)}", in_order(expected, said), said)
        if found := re.search(DRAWN, said[-1]):
            drawn = dict(zip("mnp", found.groups()))
        start = len(spoken)
    face.finish()


def take(name, args):
    """One tour of the face `name`, from its start."""
    face = None
    try:
        face = {"window": Window, "page": Page, "firefox": Firefox, "webkit": WebKit, "windows": Windows}[name](tempfile.mkdtemp(), *args)
        tour(face, name)
    except TimeoutError as error:
        check("the screen reader says what the steps above wait for", False, str(error))
    finally:
        if face:
            face.end()


def main(args):
    """The tour, and once more afresh if it failed: a screen reader hears a
    browser's events as they come, and now and then one comes too early for
    it (WebKitGTK's most of all). A tour that fails twice fails."""
    name = args.pop(0)[2:] if args[0] in ("--page", "--firefox", "--webkit", "--windows") else "window"
    take(name, list(args))
    if counts["failed"]:
        print("== the tour failed; once more, afresh")
        counts.update(passed=0, failed=0)
        spoken.clear()
        take(name, list(args))
    return tally()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
