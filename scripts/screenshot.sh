#!/usr/bin/env bash
# Photographs the window as it starts, under a virtual X server: the Linux
# build of run.sh into docs/parabolix.png, or with `windows` the exe that
# scripts/windows.sh built, under Wine, into docs/parabolix-windows.png, or
# with `web` the page that scripts/web.sh built (scripts/lib/page_pictures.py:
# docs/parabolix-web.png and its phone, contrast and print pictures beside it).
# Usage: screenshot.sh [windows|web] [output.png]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
bash scripts/lib/setup.sh screenshot

case ${1:-} in
  web) exec /usr/bin/python3 scripts/lib/page_pictures.py "$(preset_dir web)/site" \
              "$(realpath -m "${2:-docs/parabolix-web.png}")" ;;
  windows) output=${2:-docs/parabolix-windows.png}
           program=(bash scripts/lib/wine_run.sh "$(preset_dir windows)/wine" "$(preset_dir windows)/ui/parabolix.exe") ;;
  *) output=${1:-docs/parabolix.png}
     program=("$(preset_dir default)/ui/parabolix") ;;
esac

start_display
"${program[@]}" & program=$!
wait_for_window "$program"
sleep 1 # let the first paint land
import -window "$(xwininfo -name Parabolix | awk '/Window id:/ {print $4}')" "$output"
kill "$program"
echo "Wrote $output"
