"""The three browser engines a pupil meets, from Debian's packages, each
driven from outside as a user drives it, with WebDriver's input actions:
Blink (Chromium, over chromedriver), Gecko (Firefox ESR, over the WebDriver
BiDi it speaks itself) and WebKit (WebKitGTK's MiniBrowser, over
WebKitWebDriver, on the X display in $DISPLAY). Each opens a page in a given
language; js gives an expression's value, run runs statements, and both know
$(id) for document.getElementById(id); each performs WebDriver's actions."""

import json
import os
import re
import subprocess
import sys
import tempfile
import threading

import websocket
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.webkitgtk.service import Service as WebKitService

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../common"))
from checks import CHROMIUM_FLAGS, firefox_profile, wait_for  # noqa: E402

KEYS = {"Escape": "\ue00c", "Control": "\ue009"}


# The page's errors are collected from the moment the test looks.
PRELUDE = ("window.$ = id => document.getElementById(id); window.errors = [];"
           "addEventListener('error', e => errors.push(String(e.message)))")


class Browser:
    def start(self, url):
        self.go(url)
        self.run(PRELUDE)

    def reload(self):
        self.refresh()
        self.run(PRELUDE)

    def ready(self, frame="window"):
        """Waits for the page's core to have started it: a reloaded Firefox
        puts back the boxes' old texts before any script runs."""
        self.wait(f"{frame}.performance.getEntriesByName('parabolix-started').length")

    def wait(self, expression):
        return wait_for(lambda: self.js(expression), expression)

    def act(self, kind, actions, parameters=None):
        self.perform({"type": kind, "id": str(parameters), "actions": actions,
                      **({"parameters": parameters} if parameters else {})})

    def keys(self, *values):
        self.act("key", [{"type": kind, "value": value} for value in values for kind in ("keyDown", "keyUp")])

    def tap(self, id, pointer="mouse", frame="window"):
        """A click in the middle of the element `id` of `frame`, scrolled into
        view, or with pointer="touch" a finger's tap; the frame lies at the
        top left. The pointer comes once the page is painted as scrolled:
        Firefox finds what lies under it in what its compositor last drew."""
        self.run(f"(w => {{ w.$('{id}').scrollIntoView({{block: 'nearest'}}); w.painted = false; "  # as a user scrolls
                 f"w.requestAnimationFrame(() => w.requestAnimationFrame(() => {{ w.painted = true; }})); }})({frame})")
        self.wait(f"{frame}.painted")
        x, y = self.js(f"(r => [r.x + r.width / 2, r.y + r.height / 2])({frame}.$('{id}').getBoundingClientRect())")
        self.act("pointer", [{"type": "pointerMove", "x": int(x), "y": int(y)}, {"type": "pointerDown", "button": 0},
                             {"type": "pointerUp", "button": 0}], {"pointerType": pointer})

    def type(self, id, text):
        """Into the box whose text the user first selected whole."""
        self.tap(id)
        self.act("key", [{"type": "keyDown", "value": KEYS["Control"]}, {"type": "keyDown", "value": "a"},
                         {"type": "keyUp", "value": "a"}, {"type": "keyUp", "value": KEYS["Control"]}])
        self.keys(*text)


class Classic(Browser):
    """Chromium and WebKit, through Selenium."""
    def __init__(self, driver, url, service=None):
        self.driver, self.service = driver, service
        self.start(url)

    def go(self, url):
        self.driver.get(url)

    def js(self, expression):
        return self.driver.execute_script(f"return ({expression})")

    def run(self, statements):
        self.driver.execute_script(statements)

    def perform(self, source):
        self.driver.execute("actions", {"actions": [source]})

    def refresh(self):
        self.driver.refresh()

    def size(self, width, height):
        """The browser's window, as a user sizes it."""
        self.driver.set_window_size(width, height)

    def quit(self):
        self.driver.quit()
        if self.service:
            self.service.stop()


class Firefox(Browser):
    """Firefox ESR in a profile of its own, over a WebSocket."""
    def __init__(self, locale, url):
        self.process = subprocess.Popen(["/usr/bin/firefox-esr", "--headless", "--no-remote", "--remote-debugging-port",
                                         "0", "--profile", firefox_profile(locale)], stderr=subprocess.PIPE, text=True)
        while not (found := re.search(r"BiDi listening on (ws://\S+)", self.process.stderr.readline())):
            pass
        threading.Thread(target=self.process.stderr.read, daemon=True).start()  # the pipe must not fill
        self.socket, self.calls = websocket.create_connection(f"{found[1]}/session", suppress_origin=True), 0
        self.call("session.new", capabilities={})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.start(url)

    def call(self, method, **params):
        self.calls += 1
        self.socket.send(json.dumps({"id": self.calls, "method": method, "params": params}))
        while (answer := json.loads(self.socket.recv())).get("id") != self.calls:
            pass
        if answer["type"] == "error":
            raise RuntimeError(f"{method}: {answer['message']}")
        return answer["result"]

    def run(self, statements):
        result = self.call("script.evaluate", expression=statements, target={"context": self.context},
                           awaitPromise=True, resultOwnership="none")
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return result["result"]

    def js(self, expression):
        value = self.run(f"JSON.stringify({expression})")
        return json.loads(value["value"]) if "value" in value else None

    def perform(self, source):
        self.call("input.performActions", context=self.context, actions=[source])

    def go(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def refresh(self):
        self.call("browsingContext.reload", context=self.context, wait="complete")

    def size(self, width, height):
        """The page's viewport: a headless Firefox has no window to size."""
        self.call("browsingContext.setViewport", context=self.context, viewport={"width": width, "height": height})

    def quit(self):
        self.call("browser.close")
        self.process.wait()


def chromium(locale, url):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", *CHROMIUM_FLAGS, f"--user-data-dir={tempfile.mkdtemp()}",
                 "--window-size=800,600", f"--lang={locale}"):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": locale})
    return Classic(webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options), url)


def webkit(locale, url):
    """WebKitGTK takes its language from the C library's locale, which is
    made here: the machine need not have it."""
    environment = dict(os.environ, LC_ALL="C.UTF-8")  # reported as "C"
    if locale != "C":
        name, folder = locale.replace("-", "_"), tempfile.mkdtemp()
        subprocess.run(["localedef", "-i", name, "-f", "UTF-8", f"{folder}/{name}.UTF-8"], check=True)
        environment.update(LOCPATH=folder, LC_ALL=f"{name}.UTF-8")
    service = WebKitService("/usr/bin/WebKitWebDriver", env=environment)
    service.start()  # on a free port, once it listens
    options = webdriver.WebKitGTKOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    return Classic(webdriver.Remote(service.service_url, options=options), url, service)


ENGINES = {"chromium": chromium, "firefox": Firefox, "webkit": webkit}
