"""The page as a pupil meets it: Debian's Chromium, headless, over WebDriver,
the site served from this machine alone. Prints a line per check and
'N passed, N failed'. Usage: page_test.py <site folder> <axe.min.js>"""

import os
import re
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../web"))
import serve  # noqa: E402

checks = {"passed": 0, "failed": 0}
START_SYSTEM = "Liczby a,b,c są rozwiązaniami ukladu równań:\na+b+c = m\n4a+2b+c = n\n9a+3b+c = p\n"
OVERFLOW = "Przepełnienie: liczba jest zbyt duża."


def check(name, got, expected):
    ok = got == expected
    checks["passed" if ok else "failed"] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + ("" if ok else f": got {got!r}, expected {expected!r}"),
          flush=True)


def browser(locale, url):
    """A fresh Chromium whose language is `locale`, at `url`, the start texts written."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", *serve.CHROMIUM_FLAGS, f"--user-data-dir={tempfile.mkdtemp()}",
                 "--window-size=800,600", f"--lang={locale}"):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": locale})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.get(url)
    return driver


def wait(driver, condition):
    return WebDriverWait(driver, 30).until(lambda d: condition())


def value(driver, id):
    return driver.find_element(By.ID, id).get_property("value")


def solve(driver, m, n, p):
    """Types m, n and p as a user would and clicks oblicz; returns Text4 once
    the screen reader has been told it, or the message shown."""
    for id, text in zip(("Text1", "Text2", "Text3"), (m, n, p)):
        box = driver.find_element(By.ID, id)
        box.clear()
        if text.isascii() and len(text) < 99:
            box.send_keys(text)
        else:  # as pasted: WebDriver types neither a megabyte nor an emoji
            driver.execute_script("arguments[0].value = arguments[1]", box, text)
    driver.execute_script("document.getElementById('notice').textContent = ''")
    driver.find_element(By.ID, "Command1").click()
    return wait(driver, lambda: driver.execute_script(
        "if (document.getElementById('message').open)"
        "  return 'message: ' + document.getElementById('messageText').textContent;"
        "const n = document.getElementById('notice').textContent;"
        "return n && n === document.getElementById('Text4').value && n"))


# Locale, m, n, p, what the user sees (the screen reader's tour meets more).
SOLVES = [
    ("pl-PL", "2,5", "0", "0", "1,25x^2-6,25x+7,5"),
    ("pl-PL", " - 1\u00a0000 ", "\u200f7", "3😀", "-498,5x^2+2495,5x-2997"),
    ("pl-PL", "7" * (1 << 20), "0", "0", f"message: {OVERFLOW}"),
    ("en-US", "1", "2", "4", "0.5x^2-0.5x+1"),
    ("en-US", "2,5", "0", "0", "x^2-5x+6"),
]


def run_checks(site, axe):
    server = serve.start(site)
    url = f"http://127.0.0.1:{server.server_port}/"
    drivers = {locale: browser(locale, url) for locale in ("pl-PL", "en-US")}
    pl = drivers["pl-PL"]
    wait(pl, lambda: value(pl, "Text6"))
    check("start texts and focus", [value(pl, f"Text{i}") for i in range(1, 6)]
          + [pl.switch_to.active_element.get_attribute("id")], ["16", "34", "58", "", START_SYSTEM, "Text1"])
    axe_result = pl.execute_async_script(open(axe).read() + ";axe.run(document, {runOnly: ['wcag2a', "
                                         "'wcag2aa', 'wcag21a', 'wcag21aa']}).then(r => arguments[0]("
                                         "r.violations.map(v => v.id + ': ' + v.nodes.length)))")
    check("axe-core finds no WCAG 2.1 AA violation", axe_result, [])

    for locale, m, n, p, expected in SOLVES:
        driver = drivers[locale]
        before = value(driver, "Text6")
        got = solve(driver, m, n, p)
        if got.startswith("message"):
            driver.find_element(By.CSS_SELECTOR, "#message button").send_keys(Keys.ENTER)
            got = [got, value(driver, "Text6") == before, driver.switch_to.active_element.text]
            expected = [expected, True, "oblicz"]
        check(f"{locale}: {m[:12]}, {n}, {p} gives {expected}", got, expected)

    pl.execute_script("const s = document.createElement('script'); s.textContent = 'window.ran = 1';"
                      "document.body.append(s)")
    check("the policy blocks inline script, and nothing leaves the page's origin or is stored",
          pl.execute_script("return [window.ran, performance.getEntriesByType('resource').every("
                            "e => e.name.startsWith(location.origin)), document.cookie, localStorage.length,"
                            "sessionStorage.length]"), [None, True, "", 0, 0])
    wait(pl, lambda: pl.execute_script("return !!navigator.serviceWorker.controller") or pl.refresh())
    server.shutdown()
    server.server_close()
    pl.refresh()
    wait(pl, lambda: value(pl, "Text6"))
    check("offline, the page loads from its cache and solves", solve(pl, "1", "0", "1"), "x^2-4x+4")

    broken = serve.start(site, refused=("/core.wasm",))
    failed = browser("pl-PL", f"http://127.0.0.1:{broken.server_port}/")
    check("a page whose module fails says so", wait(failed, lambda: (
          text := failed.find_element(By.ID, "Form1").text).startswith("Nie") and text),
          "Nie udało się wczytać programu Parabolix. Odśwież stronę, a jeśli to nie pomoże, "
          "spróbuj w innej przeglądarce.")
    for driver in [*drivers.values(), failed]:
        driver.quit()


if __name__ == "__main__":
    run_checks(*sys.argv[1:3])
    print(f"{checks['passed']} passed, {checks['failed']} failed")
    sys.exit(1 if checks["failed"] else 0)
