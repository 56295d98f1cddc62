#!/usr/bin/env bash
# Start-up and memory of Parabolix against two floors, under a virtual X
# server: a minimal Qt Widgets window of the same size, and a plain Xlib
# window. Runs them interleaved ROUNDS times (default 21), then measures the
# CPU Parabolix uses over 10 idle seconds. Benchmarks, not tests: the
# figures are for reading, never for passing or failing.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/common.sh"

rounds=${1:-21}
bash scripts/lib/setup.sh test # brings Xvfb and XDamage too
build bench

export LANG=pl_PL.UTF-8 QT_QPA_PLATFORM=xcb
bash scripts/lib/on_display.sh bash -c '
  "$1/bench/startup_probe" "$2" parabolix="$1/ui/parabolix" qt-floor="$1/bench/qt_floor" \
    xlib-floor="$1/bench/xlib_floor"
  "$1/bench/startup_probe" --idle 10 "$1/ui/parabolix"
' startup "$build_dir" "$rounds"
