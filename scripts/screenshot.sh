#!/usr/bin/env bash
# Photographs the window as it starts, under a virtual X server, into
# docs/parabolix.png (or the path given), from the build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh screenshot
output=${1:-docs/parabolix.png}
binary=${PARABOLIX_BUILD_DIR:-build}/ui/parabolix

xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" bash -c '
  "$1" & program=$!
  for _ in $(seq 100); do
    if xwininfo -name Parabolix >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  sleep 0.5 # let the first paint land
  window=$(xwininfo -name Parabolix | awk "/Window id:/ {print \$4}")
  import -window "$window" "$2"
  kill "$program"
' screenshot "$binary" "$output"
echo "Wrote $output"
