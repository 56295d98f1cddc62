#!/usr/bin/env bash
# Installs the package built by scripts/package.sh with apt-get, starts the
# installed /usr/bin/parabolix under a virtual X server until its window
# appears, and removes the package again unless it was installed before.
set -euo pipefail
source "$(dirname "$0")/common.sh"

package=$(ls "$(preset_dir package)"/parabolix_*.deb)
apt_get=(as_root env DEBIAN_FRONTEND=noninteractive apt-get -y -q)
start_display
if ! installed parabolix; then
  trap 'kill "$xvfb"; "${apt_get[@]}" purge parabolix >/dev/null' EXIT
fi
"${apt_get[@]}" install --reinstall "$package"

/usr/bin/parabolix & program=$!
if wait_for_window "$program"; then
  echo "the installed parabolix opened its window"
  kill "$program"
else
  kill "$program" 2>/dev/null
  echo "the installed parabolix showed no window" >&2
  exit 1
fi
