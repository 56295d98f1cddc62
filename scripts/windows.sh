#!/usr/bin/env bash
# Builds Parabolix for Windows on Debian and tests it under Wine: the static
# Qt first if it is not cached (scripts/windows_qt.sh), then (the preset
# "windows") ui/parabolix.exe, the portable zip and the installer
# Parabolix-<version>-win64{.zip,-setup.exe}, the same bytes
# from the same commit, and then, unless told --no-tests, every test suite,
# cross-built, under Wine on a virtual X server, and a screen reader's tour
# under Wine 10 (scripts/wine10_root.sh).
set -euo pipefail
source "$(dirname "$0")/common.sh"
source scripts/reproducible.sh

bash scripts/setup.sh windows
PARABOLIX_WINDOWS_QT=$(bash scripts/windows_qt.sh)
tests=ON PARABOLIX_WINE10_ROOT=
[ "${1:-}" != --no-tests ] || tests=OFF
# The screen reader's tour runs under Wine 10, in a Debian 13 root of its own.
[ $tests = OFF ] || PARABOLIX_WINE10_ROOT=$(bash scripts/wine10_root.sh)
export PARABOLIX_WINDOWS_QT PARABOLIX_WINE10_ROOT
build windows -DPARABOLIX_BUILD_TESTS=$tests
rm -f "$build_dir"/Parabolix-*-win64* # a package of another version would be taken for this one
cpack --preset windows >/dev/null
python3 packaging/normalise_zip.py "$build_dir"/Parabolix-*-win64.zip
exe=$build_dir/ui/parabolix.exe
echo "Built $exe ($(stat -c %s "$exe") bytes), $(cd "$build_dir" && ls Parabolix-*-win64*)"
[ $tests = ON ] || exit 0

echo "== Windows tests under Wine"
# A private Wine prefix, with no Mono or Gecko to offer and no crash dialog to
# wait on, and one Wine server for all the tests.
export WINEPREFIX=$build_dir/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_display
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
mkdir -p "$WINEPREFIX"
wineserver --persistent
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1
  # Debian's Wine does not look for its own fonts where fonts-wine puts them;
  # Windows keeps them in C:\windows\Fonts.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
fi
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
ctest --preset windows
