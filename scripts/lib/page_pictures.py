"""Photographs the page that scripts/web.sh built, after "oblicz", in Debian's
Chromium: on a classroom's wide screen (the README's picture), on a phone 360
pixels wide (the whole page), under a contrast theme of Windows (forced
colours) as Edge shows it, and printed on A4 (its first page, as PNG).
Usage: page_pictures.py <site folder> <the wide picture's path>; the others
are written beside it."""

import base64
import os
import subprocess
import sys

sys.path[:0] = [os.path.join(os.path.dirname(__file__), "../../tests/web"),
                os.path.join(os.path.dirname(__file__), "../../web")]
import browsers  # noqa: E402
import serve  # noqa: E402

site, wide = sys.argv[1:3]
server = serve.start(site)
for name, (width, height), mobile, contrast in (("web", (1280, 800), False, False), ("phone", (360, 0), True, False),
                                               ("contrast", (1280, 800), False, True), ("print", (1280, 800), False, False)):
    page = browsers.chromium("pl-PL", f"http://127.0.0.1:{server.server_port}/")
    page.ready()
    page.tap("Command1")
    page.wait("document.querySelector('#picture .curve')")
    page.run("scrollTo(0, 0)")
    if mobile:  # the page's whole height at a phone's width
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 740, "deviceScaleFactor": 1, "mobile": True})
        height = page.js("document.documentElement.scrollHeight")
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
        {"name": "forced-colors", "value": "active" if contrast else "none"}]})
    output = wide if name == "web" else f"{os.path.dirname(wide)}/parabolix-{name}.png"
    if name == "print":
        pdf = page.driver.execute_cdp_cmd("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})
        with open(f"{output}.pdf", "wb") as file:
            file.write(base64.b64decode(pdf["data"]))
        info = subprocess.run(["pdfinfo", f"{output}.pdf"], capture_output=True, text=True, check=True).stdout
        print("printed on", *[line.split()[-1] for line in info.splitlines() if line.startswith("Pages:")], "page(s)")
        subprocess.run(["pdftoppm", "-png", "-r", "60", "-singlefile", f"{output}.pdf", output[:-4]], check=True)
        os.remove(f"{output}.pdf")
    else:
        page.driver.save_screenshot(output)
    print(f"Wrote {output}")
    page.quit()
server.shutdown()
