"""The page's speed in the three engines a pupil meets (Debian's Chromium,
Firefox ESR and WebKitGTK), served from this machine alone: a first visit in a
fresh browser against a floor page (one line of text, the same stylesheet, and
a deferred script that marks itself ready), taken alternately: the time to
the start texts shown, to the first paint with text, and to the core started
(the buttons answer at once), with where the time went and the bytes fetched
until the core started; a
repeat visit through the
service worker; one click of each of the page's buttons that computes. Medians
over several runs. Benchmarks, not tests: the figures are for reading.
Usage, after scripts/web.sh has built the site, on an X display (WebKitGTK
draws on one): web_bench.py <site folder> [runs] [engine...]"""

import os
import shutil
import statistics
import sys
import tempfile

sys.path[:0] = [os.path.join(os.path.dirname(__file__), "../web"),
                os.path.join(os.path.dirname(__file__), "../tests/web")]
import browsers  # noqa: E402
import serve  # noqa: E402

FLOOR_HTML = ('<!DOCTYPE html>\n<html lang="pl">\n<head>\n<meta charset="utf-8">\n<title>Parabolix</title>\n'
              '<link rel="stylesheet" href="style.css">\n<script src="floor.js" defer></script>\n</head>\n'
              '<body>\n<p>Parabolix</p>\n</body>\n</html>\n')
FLOOR_JS = "performance.mark('parabolix-ready');\nperformance.mark('parabolix-started');\n"

# What a first visit did until its core started: the marks the page sets on
# its way, each resource's end and size, and the document's own.
VISIT = """(() => {
  const [ready, started] = ['ready', 'started'].map(name => performance.getEntriesByName('parabolix-' + name)[0].startTime);
  const navigation = performance.getEntriesByType('navigation')[0];
  const fetched = performance.getEntriesByType('resource').filter(e => e.responseEnd <= started);
  const marks = Object.fromEntries(performance.getEntriesByType('mark').map(e => [e.name, e.startTime]));
  for (const e of fetched) marks['fetched ' + e.name.split('/').pop()] = e.responseEnd;
  marks['fetched the page'] = navigation.responseEnd;
  const painted = performance.getEntriesByName('first-contentful-paint')[0]?.startTime;
  return {ready, painted, started, marks, bytes: [navigation, ...fetched].reduce((sum, e) => sum + (e.encodedBodySize || 0), 0)};
})()"""

# The browser's clock may tick in tenths of a millisecond: 100 clicks a
# reading. Each click's work is a job queued on the started core, and runs
# before the await's.
CLICKS = """(async button => { const times = [];
  for (let i = 0; i < 10; i++) { const t = performance.now();
    for (let j = 0; j < 100; j++) button.click();
    await null;
    times.push((performance.now() - t) / 100); }
  window.timed = times; })($('{}'))"""

# The pages, each measured apart against the floor: the main page, the
# worksheet, and the page made one file for a folder.
PAGES = [("Parabolix", ""), ("the worksheet", "karta.html#nr=4711&zadania=10"), ("parabolix.html", "parabolix.html")]

# A megabyte of digits pasted into m, "0," and a million digits, then solved.
PASTE = ("(async () => { const t = performance.now(); $('Text1').value = '0,' + '3'.repeat(1 << 20); "
         "$('Command1').click(); await null; window.timed = performance.now() - t; })()")

# Each button that computes, with the statements that prepare its click.
BUTTONS = [("oblicz", "Command1", ""),
           ("Sprawdź", "check", "['3', '9', '4'].forEach((value, i) => $('answer' + 'abc'[i]).value = value)")]


def timed(page, script):
    """What `script` leaves in window.timed, once it has."""
    page.run("window.timed = null; " + script)
    return page.wait("window.timed")


def visit(engine, url):
    page = browsers.ENGINES[engine]("pl-PL", url)
    page.ready()
    return page, page.js(VISIT)


def median_marks(visits):
    names = {name for each in visits for name in each["marks"]}
    return sorted((statistics.median(v["marks"][name] for v in visits if name in v["marks"]), name) for name in names)


def bench(engine, url, floor_url, runs):
    floors, firsts, repeats = [], {name: [] for name, _ in PAGES}, []
    clicks = {name: [] for name, _, _ in BUTTONS}
    pastes = []
    for _ in range(runs):  # alternately, so that the machine's mood falls on all alike
        page, floor = visit(engine, floor_url)
        page.quit()
        floors.append(floor)
        for name, address in PAGES[1:]:
            page, first = visit(engine, url + address)
            page.quit()
            firsts[name].append(first)
        page, first = visit(engine, url)
        firsts["Parabolix"].append(first)
        try:  # WebKitGTK now and then leaves a page uncontrolled by its service worker
            page.wait("!!navigator.serviceWorker.controller || location.reload()")
            for _ in range(2):
                page.reload()
                page.ready()
                repeats.append(page.js("performance.getEntriesByName('parabolix-ready')[0].startTime"))
        except TimeoutError:
            page.start(url)
            page.ready()
        for name, id, before in BUTTONS:
            page.run(before)
            clicks[name] += timed(page, CLICKS.replace("{}", id))
        pastes.append(timed(page, PASTE))
        page.quit()
    floor = {mark: statistics.median(v[mark] or 0 for v in floors) for mark in ("ready", "painted")}
    print(f"\n## {engine}, {runs} fresh browsers each; median ms (spread), and its ratio to the floor's\n")
    print("| page | KiB fetched until the core started | first visit to the start texts | ratio | to the first paint "
          "with text | ratio | to the core started | ratio |\n|---|---:|---:|---:|---:|---:|---:|---:|")
    for name, visits in (("floor page", floors), *firsts.items()):
        print(f"| {name} | {statistics.median(v['bytes'] for v in visits) / 1024:.1f} | " + " | ".join(
            f"{statistics.median(times):.3g} ({min(times):.3g}–{max(times):.3g}) | "
            f"{statistics.median(times) / (floor[base] or 1):.2f}" for base, times in (
                (base, [v[mark] or 0 for v in visits]) for base, mark in
                (("ready", "ready"), ("painted", "painted"), ("ready", "started")))) + " |")
    print("\n| measure | median ms (spread) |\n|---|---:|")
    for name, times in (("Parabolix, repeat visit through the service worker", repeats),
                        *((f"one {name}, click to everything shown", times) for name, times in clicks.items()),
                        ("a megabyte of digits pasted into m, then oblicz", pastes)):
        print(f"| {name} | {statistics.median(times):.3g} ({min(times):.3g}–{max(times):.3g}) |")
    print("\nwhere the main page's first visit's time went (median ms from the navigation's start):\n")
    for at, name in median_marks(firsts["Parabolix"]):
        print(f"- {at:7.1f} {name}")


def main(site, runs=9, *engines):
    folder = tempfile.mkdtemp()
    shutil.copytree(site, folder, dirs_exist_ok=True)
    for name, text in (("floor.html", FLOOR_HTML), ("floor.js", FLOOR_JS)):
        with open(os.path.join(folder, name), "w") as file:
            file.write(text)
    server = serve.start(folder)
    url = f"http://127.0.0.1:{server.server_port}/"
    for engine in engines or browsers.ENGINES:
        bench(engine, url, url + "floor.html", int(runs))
    server.shutdown()


if __name__ == "__main__":
    main(*sys.argv[1:])
