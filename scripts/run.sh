#!/usr/bin/env bash
# Installs what is missing, builds Parabolix and opens its window.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

# Over SSH, say, there is no screen to open the window on: Qt would abort.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display to open the Parabolix window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "The same program runs in a browser: 'bash scripts/web.sh serve' serves it at http://127.0.0.1:8000/" >&2
  exit 1
fi

bash scripts/lib/setup.sh run
build default
exec "$build_dir/ui/parabolix"
