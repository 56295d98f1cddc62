"""Photographs the page that scripts/web.sh built, in Debian's Chromium: after
"oblicz" on a classroom's screen of 1280 × 800 (the README's picture) and on a
projector of 1920 × 1080; with an answer checked and the lesson open, on that
screen and on a phone 360 pixels wide (the whole page); under a contrast theme
of Windows (forced colours) as Edge shows it; printed on A4; and the worksheet
for number 4711 printed, its first page and its answers' page.
Usage: page_pictures.py <site folder> <the README's picture>; the others are
written beside it, as parabolix-<name>.png."""

import base64
import os
import subprocess
import sys
import tempfile

sys.path[:0] = [os.path.join(os.path.dirname(__file__), "../../tests/web"),
                os.path.join(os.path.dirname(__file__), "../../web")]
import browsers  # noqa: E402
import serve  # noqa: E402

LESSON = ("['3', '8', '4'].forEach((value, i) => $('answer' + 'abc'[i]).value = value); $('check').click();"
          "$('steps').open = $('forms').open = true")


def emulate(page, width, height, mobile=False, contrast=False):
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
        {"name": "forced-colors", "value": "active" if contrast else "none"}]})


def printed(page, outputs):
    """The page printed on A4: each of its pages that `outputs` names (1 the
    first, -1 the last) written to the PNG file it gives."""
    pdf = page.driver.execute_cdp_cmd("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})
    with tempfile.TemporaryDirectory() as folder:
        with open(f"{folder}/printed.pdf", "wb") as file:
            file.write(base64.b64decode(pdf["data"]))
        info = subprocess.run(["pdfinfo", f"{folder}/printed.pdf"], capture_output=True, text=True, check=True)
        last = int(info.stdout.split("Pages:")[1].split()[0])
        for number, output in outputs.items():
            number = number if number > 0 else last
            subprocess.run(["pdftoppm", "-png", "-r", "60", "-singlefile", "-f", str(number), "-l", str(number),
                            f"{folder}/printed.pdf", output[:-4]], check=True)


def photograph(url, name, output, width, height, script="", mobile=False, contrast=False):
    page = browsers.chromium("pl-PL", url)
    page.ready()
    emulate(page, width, height or 740, mobile, contrast)
    page.run(script)
    page.run("scrollTo(0, 0)")
    if not height:  # the page's whole height at that width
        emulate(page, width, page.js("document.documentElement.scrollHeight"), mobile, contrast)
    if name == "print":
        printed(page, {1: output})
    elif name == "sheet":
        printed(page, {1: output, -1: output.replace("sheet", "answers")})
    else:
        page.driver.save_screenshot(output)
    print(f"Wrote {output}")
    page.quit()


def main(site, wide):
    server = serve.start(site)
    url = f"http://127.0.0.1:{server.server_port}/"
    solved = "$('Command1').click()"
    picture = lambda name: wide if name == "web" else f"{os.path.dirname(wide)}/parabolix-{name}.png"  # noqa: E731
    for name, address, size, script, mobile, contrast in (
            ("web", "", (1280, 800), solved, False, False),
            ("projector", "", (1920, 1080), solved, False, False),
            ("lesson", "", (1280, 0), LESSON, False, False),
            ("phone", "", (360, 0), f"{solved}; {LESSON}", True, False),
            ("contrast", "", (1280, 800), solved, False, True),
            ("print", "", (1280, 800), solved, False, False),
            ("sheet", "karta.html#nr=4711&zadania=10", (1280, 800), "", False, False)):
        photograph(url + address, name, picture(name), *size, script, mobile, contrast)
    server.shutdown()


if __name__ == "__main__":
    main(*sys.argv[1:3])
