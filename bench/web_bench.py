"""The page's speed in Debian's Chromium, headless, on this machine: the first
visit to the start texts shown, a repeat visit through the service worker, and
one solve from the click to Text4 written (and one after a megabyte paste); medians over several runs, with the
bytes of a first visit. Usage, after scripts/web.sh has built the site:
/usr/bin/python3 bench/web_bench.py <site folder: site/ in the web preset's build>"""

import os
import statistics
import sys

from selenium.webdriver.support.wait import WebDriverWait

sys.path[:0] = [os.path.join(os.path.dirname(__file__), "../web"),
                os.path.join(os.path.dirname(__file__), "../tests/web")]
import browsers  # noqa: E402
import serve  # noqa: E402

READY = "return performance.getEntriesByName('parabolix-ready').map(e => e.startTime)[0]"


def ready(driver):
    """Milliseconds from the navigation's start to the start texts written."""
    return WebDriverWait(driver, 30).until(lambda d: d.execute_script(READY))


def main(site, runs=11):
    server = serve.start(site)
    url = f"http://127.0.0.1:{server.server_port}/"
    first, repeat, solve, paste = [], [], [], []
    for _ in range(runs):
        driver = browsers.chromium("pl", url).driver
        first.append(ready(driver))
        WebDriverWait(driver, 30).until(
            lambda d: d.execute_script("return !!navigator.serviceWorker.controller") or d.refresh())
        for _ in range(3):
            driver.get(url)
            repeat.append(ready(driver))
        # The browser's clock ticks in tenths of a millisecond: 100 clicks a reading.
        solve += driver.execute_script(
            "const button = document.getElementById('Command1'), times = [];"
            "for (let i = 0; i < 20; i++) { const t = performance.now();"
            "  for (let j = 0; j < 100; j++) button.click();"
            "  times.push((performance.now() - t) / 100); } return times")
        # A megabyte of digits pasted into m: "0," and a million digits.
        paste.append(driver.execute_script(
            "const m = document.getElementById('Text1'), t = performance.now();"
            "m.value = '0,' + '3'.repeat(1 << 20); document.getElementById('Command1').click();"
            "return performance.now() - t"))
        driver.quit()
    server.shutdown()
    size = sum(os.path.getsize(os.path.join(site, name)) for name in os.listdir(site))
    print(f"first visit fetches {size} bytes ({size / 1024:.1f} KiB)")
    print("| measure | median ms (spread) | goal ms |\n|---|---:|---:|")
    for name, times, goal in (("first visit to the start texts", first, 300),
                              ("repeat visit through the service worker", repeat, 150),
                              ("one solve, click to Text4 written", solve, 1),
                              ("a megabyte of digits pasted into m, then solved", paste, 1000)):
        print(f"| {name} | {statistics.median(times):.3g} ({min(times):.3g}–{max(times):.3g}) | {goal} |")


if __name__ == "__main__":
    main(sys.argv[1])
