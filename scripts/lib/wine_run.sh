#!/usr/bin/env bash
# Runs what the Windows build's tests run, as they take it: under Wine (a
# program in Polish), with Wine's settings (common.sh), in the build's own Wine prefix,
# and on the virtual X server the tests' fixture started (else the caller's
# display). A Windows program (*.exe) runs under wine; any other command runs
# in that same environment.
#   wine_run.sh PREFIX --start   the fixture: makes the prefix if it is missing,
#                                and starts the X server and a lasting Wine server
#   wine_run.sh PREFIX --stop    ends them
#   wine_run.sh PREFIX COMMAND...
set -euo pipefail
prefix=$1 caller=$PWD
shift
source "$(dirname "$0")/common.sh"
cd "$caller"
export WINEPREFIX=$prefix "${wine_settings[@]}"
server=$prefix.x # the fixture's X server: its display, then its process

case $1 in
--start)
  # The X server first, so that Wine's programs find it; it and a lasting Wine
  # server outlive this script, with nothing of its output, until --stop.
  display=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$display" </dev/null >/dev/null 2>&1 &
  echo $! >"$server.process"
  for _ in $(seq 100); do [ -s "$display" ] && break; sleep 0.1; done
  echo ":$(cat "$display")" >"$server"
  rm -f "$display"
  export DISPLAY=$(cat "$server")
  mkdir -p "$WINEPREFIX"
  [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
  # Debian's Wine does not look for its own fonts where fonts-wine puts them;
  # Windows keeps them in C:\windows\Fonts.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  wineserver -k 2>/dev/null || true # the one wineboot started, which would end on its own
  wineserver --persistent </dev/null >/dev/null 2>&1
  # Wine's services start with the first program and last as long as the
  # server: from here, with none of a test's output, which they would keep open.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  ;;
--stop)
  wineserver -k 2>/dev/null || true
  [ ! -f "$server.process" ] || kill "$(cat "$server.process")" 2>/dev/null || true
  rm -f "$server" "$server.process"
  ;;
*)
  [ ! -f "$server" ] || export DISPLAY=$(cat "$server")
  if [[ $1 == *.exe ]]; then exec env LC_ALL=pl_PL.UTF-8 wine "$@"; else exec "$@"; fi
  ;;
esac
