#!/usr/bin/env bash
# Photographs the window as it starts, under a virtual X server: the Linux
# build in build/ into docs/parabolix.png, or with `windows` the exe that
# scripts/windows.sh built, under Wine, into docs/parabolix-windows.png.
# Usage: screenshot.sh [windows] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh screenshot
if [ "${1:-}" = windows ]; then
  shift
  output=${1:-docs/parabolix-windows.png}
  export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all
  program=(wine build-windows/ui/parabolix.exe)
else
  output=${1:-docs/parabolix.png}
  program=("${PARABOLIX_BUILD_DIR:-build}/ui/parabolix")
fi

xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" bash -c '
  output=$1; shift
  "$@" & program=$!
  for _ in $(seq 300); do
    if xwininfo -name Parabolix >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  sleep 1 # let the first paint land
  window=$(xwininfo -name Parabolix | awk "/Window id:/ {print \$4}")
  import -window "$window" "$output"
  kill "$program"
' screenshot "$output" "${program[@]}"
echo "Wrote $output"
