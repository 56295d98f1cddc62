#!/usr/bin/env bash
# Photographs the window as it starts, under a virtual X server: the Linux
# build of run.sh into docs/parabolix.png, or with `windows` the exe that
# scripts/windows.sh built, under Wine, into docs/parabolix-windows.png, or
# with `web` the page that scripts/web.sh built, with its plot, in Chromium,
# into docs/parabolix-web.png, and beside it parabolix-phone.png,
# parabolix-contrast.png and parabolix-print.png. Usage: screenshot.sh [windows|web] [output.png]
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ "${1:-}" = web ]; then
  bash scripts/setup.sh screenshot
  # After "oblicz", so that the plot shows its curve: on a classroom's wide
  # screen, on a phone 360 pixels wide (the whole page), under a contrast
  # theme of Windows (forced colours) as Edge shows it, and printed on A4.
  site=$(preset_dir web)/site output=$(realpath -m "${2:-docs/parabolix-web.png}")
  (cd tests/web && /usr/bin/python3 - "$site" "$output") <<'EOF'
import base64
import os
import subprocess
import sys
import browsers
sys.path.insert(0, "../../web")
import serve
server = serve.start(sys.argv[1])
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
    output = sys.argv[2] if name == "web" else f"{os.path.dirname(sys.argv[2])}/parabolix-{name}.png"
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
EOF
  exit 0
fi
bash scripts/setup.sh screenshot
if [ "${1:-}" = windows ]; then
  shift
  output=${1:-docs/parabolix-windows.png}
  export WINEPREFIX=$(preset_dir windows)/wine WINEDEBUG=-all
  program=(wine "$(preset_dir windows)/ui/parabolix.exe")
else
  output=${1:-docs/parabolix.png}
  program=("$(preset_dir default)/ui/parabolix")
fi

start_display
"${program[@]}" & program=$!
for _ in $(seq 300); do
  if xwininfo -name Parabolix >/dev/null 2>&1; then break; fi
  sleep 0.1
done
sleep 1 # let the first paint land
import -window "$(xwininfo -name Parabolix | awk '/Window id:/ {print $4}')" "$output"
kill "$program"
echo "Wrote $output"
