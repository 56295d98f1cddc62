#!/usr/bin/env bash
# Runs a command under Wine 10: inside the Debian 13 root of wine10_root.sh
# (made if missing), as that root's user "tour", on the caller's X display and
# in the caller's LC_ALL (Wine's whole session, so that no program of another
# locale writes its own into the user's settings), in a fresh Wine prefix, with
# a folder of the caller's at /tour (read-only); everything it leaves goes with
# it. Needs root, or sudo. For instance:
#   bash scripts/lib/in_wine10.sh build-windows/ui wine /tour/parabolix.exe
# Usage: in_wine10.sh <folder> <command>...
set -euo pipefail
folder=$(realpath "$1")
shift
source "$(dirname "$0")/common.sh"
root=$(bash scripts/lib/wine10_root.sh)
in_root "$root" tour --tour "$folder" DISPLAY="$DISPLAY" LC_ALL="${LC_ALL:-C.UTF-8}" HOME=/tmp/home \
  WINEPREFIX=/tmp/home/wine "${wine_settings[@]}" PATH=/usr/bin:/bin \
  bash -c 'mkdir -p "$WINEPREFIX" && wineboot --init >/dev/null 2>&1 && "$@"; status=$?; wineserver -k; exit $status' \
  wine10 "$@"
