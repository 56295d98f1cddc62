#!/usr/bin/env bash
# Runs a command under Wine 10: inside the Debian 13 root of wine10_root.sh
# (made if missing), as that root's user "tour", on the caller's X display and
# in the caller's LC_ALL (Wine's whole session, so that no program of another
# locale writes its own into the user's settings), in a fresh Wine prefix, with
# a folder of the caller's at /tour (read-only); everything it leaves goes with
# it. Needs root, or sudo. For instance:
#   bash scripts/in_wine10.sh build-windows/ui wine /tour/parabolix.exe
# Usage: in_wine10.sh <folder> <command>...
set -euo pipefail
folder=$(realpath "$1")
shift
source "$(dirname "$0")/common.sh"
root=$(bash scripts/wine10_root.sh)
# The mounts live in a namespace of their own and end with it.
as_root unshare --mount --fork bash -c '
  set -e
  mount -t proc proc "$1/proc"
  mount --rbind /dev "$1/dev"
  mount -t tmpfs tmpfs "$1/tmp"
  mkdir "$1/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$1/tmp/.X11-unix"
  mount --bind -o ro "$2" "$1/tour"
  exec chroot "$1" setpriv --reuid=tour --regid=tour --init-groups env -i DISPLAY="$3" LC_ALL="$4" HOME=/tmp/home \
    WINEPREFIX=/tmp/home/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" PATH=/usr/bin:/bin \
    bash -c "mkdir -p \$WINEPREFIX && wineboot --init >/dev/null 2>&1 && \"\$@\"; status=\$?; wineserver -k; exit \$status" \
    wine10 "${@:5}"' \
  in_wine10 "$root" "$folder" "$DISPLAY" "${LC_ALL:-C.UTF-8}" "$@"
