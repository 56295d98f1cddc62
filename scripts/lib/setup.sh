#!/usr/bin/env bash
# Installs the Debian 12 packages Parabolix needs, asking apt-get only for
# what is missing. Each purpose below lists its packages, and no package
# stands in two lists; each set a script asks for is made of purposes.
# Usage: setup.sh [run|test|check|package|screenshot|windows|web|fresh] (default: run)
set -euo pipefail
source "$(dirname "$0")/common.sh"

# CMake and Ninja, and fast_float, which every build of the core reads numbers with.
build=(cmake ninja-build libfast-float-dev)
# The compiler, Qt, the window's font, and the libraries the native tests and
# benchmarks link; Python for the scripts' small helpers.
native=(g++ pkgconf qt6-base-dev libxcb1-dev fonts-liberation libgtest-dev libbenchmark-dev python3)
# A virtual X server, a look at its windows, and keys pressed on it.
display=(xvfb xauth x11-utils python3-xlib)
# The desktop accessibility bus and the screen reader Orca, for the tours.
screen_reader=(dbus at-spi2-core orca)
# The validators of the desktop files; XDamage, which the start-up benchmark needs.
desktop=(desktop-file-utils appstream libxdamage-dev)
# clang with its fuzzer and sanitizer runtimes, and the two analysers.
analysers=(clang libclang-rt-14-dev clang-tidy cppcheck)
# CPack's Debian generator with dpkg-shlibdeps, and lintian to judge the result.
packaging=(dpkg-dev file lintian)
# GoogleTest's source, built for Windows and for WebAssembly.
gtest_source=(googletest)
# MinGW-w64 (posix threads), Debian's host Qt tools for the static Qt, NSIS
# for the installer, and Wine with Windows' font metrics and icoutils.
windows=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev-tools xz-utils nsis wine wine64 fonts-wine icoutils
)
# Roots of other Debian releases: Wine 10's, and a fresh Debian 12's.
roots=(debootstrap)
# emscripten, which builds the page and gives the analysers its headers.
webassembly=(emscripten)
# The three engines for the page's tests: Chromium and its WebDriver with
# Selenium; Firefox ESR, spoken to over WebSocket; WebKitGTK's MiniBrowser and
# its WebDriver, with the locale data WebKit takes its language from.
web=(
  chromium chromium-driver python3-selenium
  firefox-esr python3-websocket webkit2gtk-driver locales
)
command -v npm >/dev/null || web+=(nodejs npm) # for web/package-lock.json's tools
screenshot=(imagemagick) # pictures of a window
pdf=(poppler-utils) # a printed page's text and picture

case ${1:-run} in
  run) packages=("${build[@]}" "${native[@]}") ;;
  test) packages=("${build[@]}" "${native[@]}" "${display[@]}" "${screen_reader[@]}" "${desktop[@]}") ;;
  check) packages=("${build[@]}" "${native[@]}" "${display[@]}" "${screen_reader[@]}" "${desktop[@]}"
                   "${analysers[@]}" "${webassembly[@]}") ;;
  package) packages=("${build[@]}" "${native[@]}" "${packaging[@]}" "${display[@]}") ;;
  screenshot) packages=("${display[@]}" "${screenshot[@]}" "${pdf[@]}") ;;
  windows) packages=("${build[@]}" "${native[@]}" "${gtest_source[@]}" "${windows[@]}" "${display[@]}"
                     "${roots[@]}") ;;
  web) packages=("${build[@]}" "${gtest_source[@]}" "${webassembly[@]}" "${web[@]}" "${display[@]}"
               "${screen_reader[@]}" "${pdf[@]}") ;;
  fresh) packages=("${roots[@]}" "${display[@]}") ;;
  *) echo "usage: $0 [run|test|check|package|screenshot|windows|web|fresh]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
fi
