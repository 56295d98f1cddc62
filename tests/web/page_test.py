"""The page as a pupil meets it, in one browser engine (chromium, firefox or
webkit: tests/web/browsers.py), the site served from this machine alone. Every
engine takes the same table of cases. Prints a line per check and
'N passed, N failed'. Usage: page_test.py <engine> <site folder> <axe.min.js>"""

import base64
import os
import re
import subprocess
import sys
import tempfile

import browsers
from checks import same, tally

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../web"))
import serve  # noqa: E402

SYSTEM = "Liczby a,b,c są rozwiązaniami ukladu równań:\na+b+c = {}\n4a+2b+c = {}\n9a+3b+c = {}\n"
OVERFLOW = ["message: Przepełnienie: liczba jest zbyt duża.", True, "Command1", True]
POINTS = "Punkty A(1; {}), B(2; {}) i C(3; {}). Kliknij „oblicz”, aby zobaczyć parabolę, która przez nie przechodzi."
# The plot as a pupil meets it: its text, whether a curve is drawn and each mark's shape has a drawing, its
# table's rows, the slider's text.
PLOT = ("[$('plotText').textContent, !!document.querySelector('#picture .curve') && [...document.querySelectorAll("
        "'#picture use')].every(use => $(use.getAttribute('href').slice(1))), $('points').tBodies[0].rows.length, "
        "$('walk').getAttribute('aria-valuetext')]")
NUMBER = "(10[01]|[1-9][0-9]?)"
# The lesson as a pupil meets it: the checked lines, the answer's boxes, the first and last steps, the
# first form, and whether the two parts are open.
LINES = "[...$('{}').children].map(p => p.textContent).join('\\n')"
LESSON = ("[" + LINES.format("checked") + ", ['a', 'b', 'c'].map(x => $('answer' + x).value).join(), ...['stepsText', "
          "'formsText'].map(id => [...$(id).children].map(p => p.textContent)).map((l, i) => i ? l[0] : [l[0], "
          "l[l.length - 1]]).flat(), $('steps').open || $('forms').open]")
STEPS = "Krok 1. Podstawiamy współrzędne punktów A(1; {}), B(2; {}) i C(3; {}) do wzoru y = ax^2+bx+c:"


def values(page, *ids):
    return page.js("[" + ", ".join(f"$('{id}').value" for id in ids) + "]")


def press_button(page, id, pointer="mouse", frame="window"):
    """Clicks or taps the button; returns the message shown, or else what the
    screen reader is told."""
    page.run(f"{frame}.$('notice').textContent = ''")
    page.tap(id, pointer, frame)
    return page.wait(f"(w => w.$('message').open ? 'message: ' + w.$('messageText').textContent : "
                     f"w.$('notice').textContent)({frame})")


def solve(page, m, n, p):
    """Types m, n and p (pastes what no keyboard types) and clicks oblicz;
    after a message, closes it with Escape and tells whether Text6 and the
    plot stayed and the focus came back to oblicz."""
    for id, text in zip(("Text1", "Text2", "Text3"), (m, n, p)):
        page.type(id, text) if len(text) < 99 else page.run(f"$('{id}').value = {text!r}")
    before = values(page, "Text6"), page.js(PLOT)
    if not (answer := press_button(page, "Command1")).startswith("message"):
        return answer
    page.keys(browsers.KEYS["Escape"])
    page.wait("!$('message').open")
    return [answer, values(page, "Text6") == before[0], page.js("document.activeElement.id"), page.js(PLOT) == before[1]]


# Language, m, n, p, and what the user meets: the polynomial, or the message.
SOLVES = [
    ("pl-PL", " - 1\u00a0000 ", "\u200f7", "3😀", "-498,5x^2+2495,5x-2997"),
    ("pl-PL", "9" * (1 << 20), "0", "0", OVERFLOW),
    ("en-US", "1", "2", "4", "0.5x^2-0.5x+1"),
    ("C", "2,5", "0.5", "0", "0.5x^2-3x+4.5"),  # a language tag Intl rejects: the period
]


def check(page, a, b, c):
    """Types the pupil's answer and clicks Sprawdź; what the screen reader is told, and the checked lines."""
    for box, text in zip("abc", (a, b, c)):
        page.type(f"answer{box}", text)
    told = press_button(page, "check")
    lines = page.js(LINES.format("checked")).split("\n")
    return [told, lines[0], len(lines)]


def classroom(pl, url, axe):
    """A riddle passed on by link, and a worksheet for the class."""
    pl.start(url + "?#p=101&m=7&n=58")  # a page of its own, opened with the link
    pl.ready()
    riddle = f"[{', '.join(f'$({id!r}).value' for id in ('Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6'))}, " \
             "$('plotText').textContent, $('steps').open, $('note').textContent]"
    start = "a=0,5p-n+0,5m\nb=4n-2,5m-1,5p\nc=3m-3n+p\n"
    same("a link opened poses its riddle as a draw would, the lesson closed", pl.js(riddle),
         ["7", "58", "101", "", SYSTEM.format(7, 58, 101), start, POINTS.format(7, 58, 101), False, ""])
    pl.run("location.hash = 'm=7'")
    same("a broken link in the open page starts it as usual and says so", pl.wait(f"$('note').textContent && {riddle}"),
         ["16", "34", "58", "", SYSTEM.format(*"mnp"), start, POINTS.format(16, 34, 58), False,
          "Link nie zawiera poprawnego zadania. Pokazuję zadanie początkowe."])
    pl.run("['Text1', 'Text2', 'Text3'].forEach((id, i) => $(id).value = ['-7', '58', '2,5'][i])")
    only = "Link można utworzyć tylko dla liczb całkowitych od -32768 do 32767."
    same("the link button refuses what is not a whole number", [press_button(pl, "share"), pl.js("$('note').textContent")],
         [only, only])
    pl.run("$('Text3').value = '101'")
    same("the link button puts the link into the box, and says whether the clipboard took it",
         [press_button(pl, "share") in ("Link skopiowany.", "Skopiuj adres z pola Adres zadania."),
          pl.js("$('address').value") == url + "?#m=-7&n=58&p=101", pl.js("$('note').textContent")], [True, True, ""])
    pl.start(url + "karta.html#nr=4711&zadania=10")
    pl.ready()
    sheet = "[document.title, ...['title', 'riddles', 'answersTitle', 'answerLines'].map(id => $(id).innerText.trim()" \
            ".split('\\n').filter(line => line)).map(lines => [lines[0], lines[lines.length - 1]]).flat(), location.hash]"
    same("the sheet for 4711 is the same in every engine", pl.js(sheet), ["Karta pracy nr 4711"] * 3 + [
        "Zadanie 1. m = 66, n = 49, p = 9", "Zadanie 10. m = 27, n = 36, p = 77"] + ["Odpowiedzi do karty nr 4711"] * 2
        + ["Zadanie 1. a = -11,5, b = 17,5, c = 60, więc y = -11,5x^2+17,5x+60.",
           "Zadanie 10. a = 16, b = -39, c = 50, więc y = 16x^2-39x+50.", "#nr=4711&zadania=10"])
    pl.type("count", "2")
    same("a control changed rebuilds the sheet and its address", pl.wait("$('riddles').children.length == 2 && "
         "location.hash"), "#nr=4711&zadania=2")
    pl.run("location.hash = 'nr=0'")
    same("an address out of range gives the sheet at first, and says so", pl.wait("$('note').textContent && "
         "[$('note').textContent, $('count').value, $('riddles').children.length]"), ["Adres nie zawiera poprawnej karty "
         "pracy. Pokazuję kartę z 10 zadaniami i nowym numerem.", "10", 10])
    pl.run(axe)
    same("axe-core finds no WCAG 2.2 AA violation on the sheet", pl.wait("window.axeSaid"), "none")
    pl.start(url)
    pl.ready()


def folder(engine, site):
    """The site copied to a folder or a USB stick and opened from there."""
    site = "file://" + os.path.abspath(site)
    single = browsers.ENGINES[engine]("pl-PL", f"{site}/parabolix.html")
    single.ready()
    same("parabolix.html from a folder: the start texts, oblicz, the plot and an answer checked",
         [values(single, "Text1", "Text2", "Text3"), solve(single, "16", "34", "58"),
          single.js("!!document.querySelector('#picture .curve')"), check(single, "3", "9", "4")[0]],
         [["16", "34", "58"], "3x^2+9x+4", True, "Brawo! To jest rozwiązanie: y = 3x^2+9x+4."])
    single.start(f"{site}/parabolix-karta.html#nr=4711&zadania=10")
    single.ready()
    same("parabolix-karta.html from a folder: the sheet", single.js("$('title').textContent"), "Karta pracy nr 4711")
    single.start(f"{site}/index.html")
    same("index.html from a folder says where the core cannot load what to open instead",
         single.wait("document.querySelector('.failure')?.textContent || performance.getEntriesByName("
                     "'parabolix-started').length && 'started'"),
         "started" if engine == "firefox" else  # Firefox lets it fetch its core
         "Otwarta z folderu strona nie może wczytać programu. Otwórz plik parabolix.html.")
    single.quit()


def printed(page, url):
    """The sheet for 4711 printed to A4 through Chromium: each page's text, and
    whether its first page is black on white."""
    page.start(url + "karta.html#nr=4711&zadania=10")
    page.ready()
    pdf = page.driver.execute_cdp_cmd("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})["data"]
    with tempfile.TemporaryDirectory() as folder:
        with open(f"{folder}/sheet.pdf", "wb") as file:
            file.write(base64.b64decode(pdf))
        text = subprocess.run(["pdftotext", "-layout", f"{folder}/sheet.pdf", "-"], capture_output=True, text=True,
                              check=True).stdout
        subprocess.run(["pdftoppm", "-r", "30", "-f", "1", "-l", "1", "-singlefile", f"{folder}/sheet.pdf",
                        f"{folder}/first"], check=True)
        with open(f"{folder}/first.ppm", "rb") as file:
            pixels = file.read().split(b"\n", 3)[3]
    grey = all(pixels[i] == pixels[i + 1] == pixels[i + 2] for i in range(0, len(pixels), 3))
    pages = [[line.strip() for line in page.splitlines() if line.strip()] for page in text.split("\f") if page.strip()]
    riddles = [i for i, lines in enumerate(pages) if any(line.startswith("Zadanie 10. m =") for line in lines)]
    answers = [i for i, lines in enumerate(pages) if "Odpowiedzi do karty nr 4711" in lines]
    return [grey, pixels.count(b"\xff") > 0.9 * len(pixels), riddles[0] < answers[0], answers == [answers[0]],
            any(line.startswith("Zadanie 1. a =") for line in pages[answers[0]]),
            not any("a =" in line for lines in pages[:answers[0]] for line in lines)]


def run_checks(engine, site, axe):
    server = serve.start(site)
    url = f"http://127.0.0.1:{server.server_port}/"
    pages = {}
    for locale, m, n, p, expected in SOLVES:
        if locale not in pages:
            pages[locale] = page = browsers.ENGINES[engine](locale, url)
            page.ready()
            same(f"{locale}: start texts, focus and the points alone", [*values(page, "Text1", "Text2", "Text3", "Text4",
                 "Text5"), page.js("document.activeElement.id"), page.js(PLOT)], ["16", "34", "58", "",
                 SYSTEM.format(*"mnp"), "Text1", [POINTS.format(16, 34, 58), False, 3, "x = 1; y = 16; punkt A"]])
        same(f"{locale}: {m[:12]}, {n}, {p} gives {expected}", solve(pages[locale], m, n, p), expected)

    same("en-US: the plot writes its numbers with the period",
         "W ≈ (0.5; 0.88)" in pages["en-US"].js("$('plotText').textContent"), True)
    same("en-US: an answer in commas and fractions checked, written with the period", check(pages["en-US"], "0,5",
         "-1/2", "1"), ["Brawo! To jest rozwiązanie: y = 0.5x^2-0.5x+1.", "a+b+c = 0.5+(-0.5)+1 = 1 = m: zgadza się.", 4])
    pl = pages["pl-PL"]
    window = "(r => [r.x + scrollX, r.y + scrollY, r.width, r.height])($('Form1').getBoundingClientRect())"
    for width, height in (1280, 800), (1366, 768), (1920, 1080):
        pl.size(width, height)
        pl.wait(f"innerWidth == {width}")
        same(f"{width} × {height}: the window, three quarters of the viewport high, and the plot beside it; the "
             "lesson below, nothing sideways", pl.js("(([w, p, l]) => [w.height >= 0.75 * innerHeight, p.left >= "
             "w.right, l.top >= Math.max(w.bottom, p.bottom), document.documentElement.scrollWidth <= innerWidth])("
             "['Form1', 'plot', 'lesson'].map(id => $(id).getBoundingClientRect()))"), [True] * 4)
    pl.size(1000, 800)  # the page grows past the window's height, and a scroll bar comes
    pl.wait("innerWidth == 1000")
    before = pl.js(window)
    solved = [solve(pl, "16", "34", "58"), pl.js(PLOT)]
    pl.run("$('steps').open = $('forms').open = true")
    same("after oblicz the curve is drawn beside the window, which does not move, nor as the lesson opens",
         [*solved, pl.js(window)], ["3x^2+9x+4", [
             "Parabola y = 3x^2+9x+4 przechodzi przez punkty A(1; 16), B(2; 34) i C(3; 58). Ramiona skierowane w "
             "górę. Wierzchołek W = (-1,5; -2,75). Oś symetrii: x = -1,5. Δ = 33. Miejsca zerowe: x1 ≈ -2,46, x2 ≈ "
             "-0,54. Punkt przecięcia z osią OY: (0; 4).", True, 7, "x = 1; y = 16; punkt A"], before])
    pl.run("$('steps').open = $('forms').open = false")
    same("the lesson starts empty and closed, and a box with no number is named",
         [pl.js(LESSON), check(pl, "3", "", "4")], [["", ",,", STEPS.format(16, 34, 58),
         "Odpowiedź: a = 3, b = 9, c = 4, więc y = 3x^2+9x+4.", "Postać ogólna: y = 3x^2+9x+4", False],
         ["Wpisz liczbę w polu b.", "Wpisz liczbę w polu b.", 1]])
    same("Sprawdź tells the verdict, equation by equation", check(pl, "2", "12", "2"), [
         "Zgadzają się dwa równania z trzech. Spróbuj jeszcze raz.", "a+b+c = 2+12+2 = 16 = m: zgadza się.", 4])
    pl.run("$('steps').open = true")
    drawn = press_button(pl, "Command2")
    numbers = values(pl, "Text1", "Text2", "Text3")
    same("the draw puts numbers from 1 to 101 into the boxes, announces them, empties Text4 and takes the curve away",
         [drawn, *values(pl, "Text4", "Text5"), all(re.fullmatch(NUMBER, n) for n in numbers), pl.js(PLOT)[:3]],
         ["m = {}, n = {}, p = {}".format(*numbers), "", SYSTEM.format(*numbers), True,
          [POINTS.format(*numbers), False, 3]])
    same("the draw empties the answer and closes the lesson, whose steps name the numbers drawn",
         pl.js(LESSON)[:3] + pl.js(LESSON)[-1:], ["", ",,", STEPS.format(*numbers), False])
    pl.tap("listen")  # the tones, or in a browser with no sound nothing, and no error either way
    with open(axe) as script:
        axe = script.read() + ("; axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', "
                               "'wcag22aa']}).then(r => window.axeSaid = r.violations.map(v => v.id).join() || 'none')")
    pl.run(axe)
    same("axe-core finds no WCAG 2.2 AA violation", pl.wait("window.axeSaid"), "none")
    classroom(pl, url, axe)
    same("no script error", [page.js("window.errors") for page in pages.values()], [[]] * len(pages))
    pl.run("document.body.append(Object.assign(document.createElement('script'), {textContent: 'window.ran = 1'}))")
    same("the policy blocks inline script, and nothing leaves the page's origin or is stored",
         pl.js("[window.ran, performance.getEntriesByType('resource').every(e => e.name.startsWith("
               "location.origin)), document.cookie, localStorage.length, sessionStorage.length]"),
         [None, True, "", 0, 0])
    if engine == "chromium":  # printed to PDF as Chromium prints
        same("the sheet printed on A4: black on white, the riddles first, the answers from a page of their own after them",
             printed(pl, url), [True] * 6)
        pl.start(url)
        pl.ready()
    if engine == "chromium":  # Windows' contrast themes, as Edge meets them
        pl.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors",
                                                                                "value": "active"}]})
        pl.tap("Text1")
        same("under a contrast theme every box and button shows its text and border, and the focus its ring",
             pl.js("[matchMedia('(forced-colors: active)').matches, [...document.querySelectorAll('input, "
                   "textarea, button')].every(e => (s => s.color !== s.backgroundColor && s.borderTopStyle !== "
                   "'none' && s.borderTopColor !== s.backgroundColor)(getComputedStyle(e))), getComputedStyle("
                   "document.activeElement).outlineStyle]"), [True, True, "auto"])
    # A phone, and a 1280-pixel screen at 400% zoom, as frames of their width
    # (a browser's window may not shrink so far; at these widths the window
    # scales with the width alone): the window and its boxes fit, nothing
    # scrolls sideways, and a finger's taps are answered.
    for width, height in (390, 440), (320, 440):
        pl.run(f"document.body.replaceChildren(Object.assign(document.createElement('iframe'), {{src: location.href, "
               f"width: {width}, height: {height}, style: 'position: fixed; left: 0; top: 0; border: 0'}}))")
        frame = "document.querySelector('iframe').contentWindow"
        pl.ready(frame)
        pl.run(f"(w => {{ w.$ = id => w.document.getElementById(id); ['Text1', 'Text2', 'Text3'].forEach("
               f"(id, i) => w.$(id).value = '101'[i]); }})({frame})")
        same(f"{width} px wide: the window fits and taps work", [pl.js(
            f"(w => [w.innerWidth, w.document.documentElement.scrollWidth <= w.innerWidth, [...w.document."
            f"querySelectorAll('#Form1, input, textarea, button')].every(e => e.getBoundingClientRect().right <= "
            f"w.innerWidth)])({frame})"), press_button(pl, "Command1", "touch", frame), bool(re.fullmatch(
                "m = {0}, n = {0}, p = {0}".format(NUMBER), press_button(pl, "Command2", "touch", frame)))],
            [[width, True, True], "x^2-4x+4", True])
    pl.reload()
    pl.wait("!!navigator.serviceWorker.controller || location.reload()")
    server.shutdown()
    server.server_close()
    pl.reload()
    pl.ready()
    same("offline, the page loads from its cache and solves", solve(pl, "1", "0", "1"), "x^2-4x+4")

    held = serve.start(site, held=("/core.wasm",))
    early = browsers.ENGINES[engine]("pl-PL", f"http://127.0.0.1:{held.server_port}/")
    early.wait("performance.getEntriesByName('parabolix-ready').length")
    seen = [values(early, "Text1", "Text5"), early.js(PLOT)[0], early.wait("document.activeElement.id")]
    early.type("Text1", "1")
    early.tap("Command1")
    held.release.set()
    same("the page shows its start before its core has come; what is typed and pressed then counts once it has",
         [seen, early.wait("$('Text4').value")],
         [[["16", SYSTEM.format(*"mnp")], POINTS.format(16, 34, 58), "Text1"], "-4,5x^2+46,5x-41"])
    broken = serve.start(site, refused=("/core.wasm",))
    failed = browsers.ENGINES[engine]("pl-PL", f"http://127.0.0.1:{broken.server_port}/")
    same("a page whose module fails says so", failed.wait("document.querySelector('.failure')?.textContent"),
         "Nie udało się wczytać programu Parabolix. Odśwież stronę, a jeśli to nie pomoże, spróbuj w innej "
         "przeglądarce.")
    folder(engine, site)
    for page in [*pages.values(), early, failed]:
        page.quit()


if __name__ == "__main__":
    run_checks(*sys.argv[1:4])
    sys.exit(tally())
