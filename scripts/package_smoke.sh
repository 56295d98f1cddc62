#!/usr/bin/env bash
# Installs the package built by scripts/package.sh with apt-get and starts
# the installed /usr/bin/parabolix under a virtual X server until its window
# appears.
set -euo pipefail
cd "$(dirname "$0")/.."

package=$(ls "$PWD"/build-package/parabolix_*.deb)
as_root=(); ((EUID == 0)) || as_root=(sudo)
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --reinstall "$package"

xvfb-run --auto-servernum bash -c '
  /usr/bin/parabolix & program=$!
  for _ in $(seq 150); do
    if xwininfo -name Parabolix >/dev/null 2>&1; then
      echo "the installed parabolix opened its window"
      kill "$program"
      exit 0
    fi
    sleep 0.1
  done
  kill "$program" 2>/dev/null
  echo "the installed parabolix showed no window" >&2
  exit 1
'
