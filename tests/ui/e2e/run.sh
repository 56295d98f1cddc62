#!/usr/bin/env bash
# Runs the real program under a virtual X server with the desktop's
# accessibility bus, and drives it as a screen reader would.
# Usage: run.sh <path to parabolix>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -dpi 96" \
  dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$1"
