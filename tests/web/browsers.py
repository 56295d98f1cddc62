"""The three browser engines a pupil meets, from Debian's packages, each
driven from outside as a user drives it: Blink (Chromium, over chromedriver),
Gecko (Firefox ESR, over the WebDriver BiDi it speaks itself) and WebKit
(WebKitGTK's MiniBrowser, over WebKitWebDriver, on the X display in
$DISPLAY). Each opens a page in a given language and offers the same verbs:
js (an expression's value), run (statements), click, type, press, reload,
wait and quit."""

import json
import os
import re
import socket
import subprocess
import tempfile
import threading
import time

import websocket
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

# What Debian's Chromium needs on a machine with no other network and, as
# root, no sandbox.
CHROMIUM_FLAGS = ("--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync")
# Firefox on a machine with no other network: no updates, studies or reports.
FIREFOX_PREFS = {"app.update.disabledForTesting": True, "app.normandy.enabled": False,
                 "datareporting.policy.dataSubmissionEnabled": False, "browser.shell.checkDefaultBrowser": False,
                 "remote.prefs.recommended": True, "toolkit.telemetry.reportingpolicy.firstRun": False}
KEYS = {"Enter": "\ue006", "Escape": "\ue00c", "Tab": "\ue004", "Control": "\ue009"}
# Errors the page raises, collected from the moment a test looks.
COLLECT_ERRORS = ("window.errors = []; addEventListener('error', e => errors.push(String(e.message)));"
                  "addEventListener('unhandledrejection', e => errors.push(String(e.reason)))")


class Browser:
    def wait(self, expression, timeout=60):
        """The value of `expression` once it is truthy."""
        deadline = time.monotonic() + timeout
        while not (value := self.js(expression)):
            if time.monotonic() > deadline:
                raise TimeoutError(f"gave up waiting for {expression}")
            time.sleep(0.05)
        return value

    def open(self, url):
        self.go(url)
        self.run(COLLECT_ERRORS)


class Selenium(Browser):
    def __init__(self, driver, url, service=None):
        self.driver = driver
        self.service = service  # a driver started by hand, ended with the browser
        self.open(url)

    def go(self, url):
        self.driver.get(url)

    def js(self, expression):
        return self.driver.execute_script(f"return ({expression})")

    def run(self, statements):
        self.driver.execute_script(statements)

    def click(self, id):
        self.driver.find_element(By.ID, id).click()

    def type(self, id, text):
        box = self.driver.find_element(By.ID, id)
        box.clear()
        box.send_keys(text)

    def press(self, key):
        ActionChains(self.driver).send_keys(KEYS[key]).perform()

    def reload(self):
        self.driver.refresh()

    def quit(self):
        self.driver.quit()
        if self.service:
            self.service.terminate()


class Firefox(Browser):
    def __init__(self, locale, url):
        profile = tempfile.mkdtemp()
        with open(f"{profile}/user.js", "w") as prefs:
            for name, value in {**FIREFOX_PREFS, "intl.accept_languages": locale}.items():
                prefs.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--profile", profile,
             "--remote-debugging-port", "0"], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        while not (found := re.search(r"WebDriver BiDi listening on (ws://\S+)", self.process.stderr.readline())):
            pass
        threading.Thread(target=self.process.stderr.read, daemon=True).start()  # the pipe must not fill
        self.socket = websocket.create_connection(found[1] + "/session", suppress_origin=True)
        self.calls = 0
        self.call("session.new", capabilities={})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.open(url)

    def call(self, method, **params):
        self.calls += 1
        self.socket.send(json.dumps({"id": self.calls, "method": method, "params": params}))
        while (answer := json.loads(self.socket.recv())).get("id") != self.calls:
            pass
        if answer["type"] == "error":
            raise RuntimeError(f"{method}: {answer['message']}")
        return answer["result"]

    def evaluate(self, expression):
        result = self.call("script.evaluate", expression=expression, target={"context": self.context},
                           awaitPromise=True, resultOwnership="none")
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return result["result"]

    def go(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def js(self, expression):
        value = self.evaluate(f"JSON.stringify({expression})")
        return json.loads(value["value"]) if "value" in value else None

    def run(self, statements):
        self.evaluate(statements)

    def act(self, kind, actions):
        self.call("input.performActions", context=self.context,
                  actions=[{"type": kind, "id": kind, "actions": actions}])

    def click(self, id):
        element = {"sharedId": self.evaluate(f"document.getElementById('{id}')")["sharedId"]}
        self.act("pointer", [{"type": "pointerMove", "x": 0, "y": 0, "origin": {"type": "element", "element": element}},
                             {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}])

    def keys(self, *values):
        self.act("key", [{"type": kind, "value": value} for value in values for kind in ("keyDown", "keyUp")])

    def type(self, id, text):
        self.click(id)
        self.act("key", [{"type": "keyDown", "value": KEYS["Control"]}, {"type": "keyDown", "value": "a"},
                         {"type": "keyUp", "value": "a"}, {"type": "keyUp", "value": KEYS["Control"]}])
        self.keys(*text)

    def press(self, key):
        self.keys(KEYS[key])

    def reload(self):
        self.call("browsingContext.reload", context=self.context, wait="complete")

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
    return Selenium(webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options), url)


def webkit(locale, url):
    """WebKitGTK takes its language from the C library's locale, which the
    test makes for itself: the machine need not have it."""
    environment = dict(os.environ, LC_ALL="C")
    if locale != "C":
        folder = tempfile.mkdtemp()
        name = locale.replace("-", "_") + ".UTF-8"
        subprocess.run(["localedef", "-i", locale.replace("-", "_"), "-f", "UTF-8", f"{folder}/{name}"], check=True)
        environment.update(LOCPATH=folder, LC_ALL=name)
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    driver = subprocess.Popen(["/usr/bin/WebKitWebDriver", f"--port={port}"], env=environment)
    options = webdriver.WebKitGTKOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    while True:  # until the driver listens
        with socket.socket() as probe:
            if probe.connect_ex(("127.0.0.1", port)) == 0:
                break
        time.sleep(0.05)
    return Selenium(webdriver.Remote(f"http://127.0.0.1:{port}", options=options), url, driver)


ENGINES = {"chromium": chromium, "firefox": Firefox, "webkit": webkit}
