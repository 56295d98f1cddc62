#!/usr/bin/env bash
# Photographs the window as it starts, under a virtual X server: the Linux
# build in build/ into docs/parabolix.png, or with `windows` the exe that
# scripts/windows.sh built, under Wine, into docs/parabolix-windows.png, or
# with `web` the page that scripts/web.sh built, in Chromium, into
# docs/parabolix-web.png, and beside it parabolix-phone.png and
# parabolix-contrast.png. Usage: screenshot.sh [windows|web] [output.png]
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ "${1:-}" = web ]; then
  output=$(realpath -m "${2:-docs/parabolix-web.png}")
  python3 web/serve.py build-web/site 8765 >/dev/null & server=$!
  profile=$(mktemp -d)
  trap 'kill $server; rm -rf "$profile"' EXIT
  for _ in $(seq 100); do (: </dev/tcp/127.0.0.1/8765) 2>/dev/null && break; sleep 0.1; done
  # The page's own size: the window, and nothing around it, in pixels of 15 twips.
  twips() { sed -n "s/.* $1 = \([0-9]*\);.*/\1/p" core/window_description.h; }
  window=$(($(twips kWidth) / 15)),$(($(twips kHeight) / 15))
  read -ra flags < <(cd tests/web && /usr/bin/python3 -c 'import browsers; print(*browsers.CHROMIUM_FLAGS)')
  chromium --headless=new "${flags[@]}" --user-data-dir="$profile" --lang=pl \
    --hide-scrollbars --window-size="$window" --virtual-time-budget=10000 \
    --screenshot="$output" http://127.0.0.1:8765/ 2>/dev/null
  echo "Wrote $output"
  # Beside it, the page on a phone 360 pixels wide, and under a contrast
  # theme of Windows (forced colours), as Edge shows it.
  (cd tests/web && /usr/bin/python3 - "$(dirname "$output")" "$window") <<'EOF'
import sys
import browsers
window = tuple(map(int, sys.argv[2].split(",")))
for name, (width, height), contrast in (("phone", (360, 740), False), ("contrast", window, True)):
    page = browsers.chromium("pl-PL", "http://127.0.0.1:8765/")
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": not contrast})
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
        {"name": "forced-colors", "value": "active" if contrast else "none"}]})
    page.ready()
    page.driver.save_screenshot(f"{sys.argv[1]}/parabolix-{name}.png")
    print(f"Wrote {sys.argv[1]}/parabolix-{name}.png")
    page.quit()
EOF
  exit 0
fi
bash scripts/setup.sh screenshot
if [ "${1:-}" = windows ]; then
  shift
  output=${1:-docs/parabolix-windows.png}
  export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all
  program=(wine build-windows/ui/parabolix.exe)
else
  output=${1:-docs/parabolix.png}
  program=(build/ui/parabolix)
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
