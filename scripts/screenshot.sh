#!/usr/bin/env bash
# Photographs the window as it starts, under a virtual X server: the Linux
# build of run.sh into docs/parabolix.png, or with `windows` the exe that
# scripts/windows.sh built, under Wine, into docs/parabolix-windows.png, or
# with `web` the page that scripts/web.sh built, in Chromium, into
# docs/parabolix-web.png, and beside it parabolix-phone.png and
# parabolix-contrast.png. Usage: screenshot.sh [windows|web] [output.png]
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ "${1:-}" = web ]; then
  # The page as it starts, in a browser window of the window's own size, as
  # the page measures it; on a phone 360 pixels wide; and under a contrast
  # theme of Windows (forced colours), as Edge shows it.
  (cd tests/web && /usr/bin/python3 - "$(preset_dir web)/site" "$(realpath -m "${2:-docs/parabolix-web.png}")") <<'EOF'
import os
import sys
import browsers
sys.path.insert(0, "../../web")
import serve
server = serve.start(sys.argv[1])
for name, size, mobile, contrast in (("web", None, False, False), ("phone", (360, 740), True, False),
                                     ("contrast", None, False, True)):
    page = browsers.chromium("pl-PL", f"http://127.0.0.1:{server.server_port}/")
    page.ready()
    width, height = size or page.js("(r => [r.width, r.height])($('Form1').getBoundingClientRect())")
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
        {"name": "forced-colors", "value": "active" if contrast else "none"}]})
    output = sys.argv[2] if name == "web" else f"{os.path.dirname(sys.argv[2])}/parabolix-{name}.png"
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
