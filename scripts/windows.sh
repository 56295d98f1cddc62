#!/usr/bin/env bash
# Builds Parabolix for Windows on Debian and tests it under Wine: the static
# Qt first if it is not cached (scripts/lib/windows_qt.sh), then (the preset
# "windows") ui/parabolix.exe, the portable zip and the installer
# Parabolix-<version>-win64{.zip,-setup.exe}, the same bytes
# from the same commit, and then, unless told --no-tests, every test suite,
# cross-built, under Wine on a virtual X server, and a screen reader's tour
# under Wine 10 (scripts/lib/wine10_root.sh): ctest --preset windows, which
# makes its Wine prefix and display ready itself.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source scripts/lib/reproducible.sh

bash scripts/lib/setup.sh windows
PARABOLIX_WINDOWS_QT=$(bash scripts/lib/windows_qt.sh)
tests=ON PARABOLIX_WINE10_ROOT=
[ "${1:-}" != --no-tests ] || tests=OFF
# The screen reader's tour runs under Wine 10, in a Debian 13 root of its own.
[ $tests = OFF ] || PARABOLIX_WINE10_ROOT=$(bash scripts/lib/wine10_root.sh)
export PARABOLIX_WINDOWS_QT PARABOLIX_WINE10_ROOT
build windows -DPARABOLIX_BUILD_TESTS=$tests
rm -f "$build_dir"/Parabolix-*-win64* # a package of another version would be taken for this one
cpack --preset windows >/dev/null
python3 packaging/normalise_zip.py "$build_dir"/Parabolix-*-win64.zip
exe=$build_dir/ui/parabolix.exe
echo "Built $exe ($(stat -c %s "$exe") bytes), $(cd "$build_dir" && ls Parabolix-*-win64*)"
[ $tests = ON ] || exit 0

echo "== Windows tests under Wine"
ctest --preset windows
