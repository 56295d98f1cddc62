#!/usr/bin/env bash
# Installs the Debian 12 packages Parabolix needs, asking apt-get only for
# what is missing. Usage: setup.sh [run|test|check|package|screenshot|windows|web]
# (default: run)
set -euo pipefail
source "$(dirname "$0")/common.sh"

# Building and running: compiler, Qt, the window's font, and fast_float.
packages=(
  cmake ninja-build g++ pkgconf
  qt6-base-dev libxcb1-dev fonts-liberation
  libgtest-dev libbenchmark-dev libfast-float-dev
)
# A virtual X server, the desktop accessibility bus and the screen reader
# Orca for the end-to-end test; the validators for the desktop files;
# XDamage so that the start-up benchmark builds with everything else.
test_packages=(
  xvfb xauth dbus at-spi2-core orca python3-xlib
  desktop-file-utils appstream libxdamage-dev
)
# clang with its fuzzer and sanitizer runtimes, and the two analysers.
check_packages=(clang libclang-rt-14-dev clang-tidy cppcheck)
# CPack's Debian generator with dpkg-shlibdeps, lintian to judge the result,
# and an X server to start the installed program on.
package_packages=(dpkg-dev file lintian xvfb xauth x11-utils)
# The Windows build: MinGW-w64 (posix threads), Debian's host Qt tools and
# GoogleTest's source for the static Qt and the tests, NSIS for the installer,
# and Wine with Windows' font metrics, icoutils, an X server and the tools to
# drive it for the tests; debootstrap for the Debian 13 root with Wine 10.
windows_packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev-tools googletest xz-utils nsis
  wine wine64 fonts-wine icoutils xvfb xauth xdotool python3 python3-xlib debootstrap
)

# The page: emscripten, GoogleTest's source for the core's tests under node,
# the three engines for the page's tests (Chromium and its WebDriver with
# Selenium; Firefox ESR, spoken to over WebSocket; WebKitGTK's MiniBrowser and
# its WebDriver, with the locale data WebKit takes its language from), the
# screen reader's test as above, and npm for the pinned tools of
# web/package-lock.json.
web_packages=(
  cmake ninja-build libfast-float-dev emscripten googletest
  chromium chromium-driver python3-selenium
  firefox-esr python3-websocket webkit2gtk-driver locales
  xvfb xauth dbus at-spi2-core orca python3-xlib
)
command -v npm >/dev/null || web_packages+=(nodejs npm)

case ${1:-run} in
  run) ;;
  test) packages+=("${test_packages[@]}") ;;
  check) packages+=("${test_packages[@]}" "${check_packages[@]}") ;;
  package) packages+=("${package_packages[@]}") ;;
  screenshot) packages+=(xvfb xauth x11-utils imagemagick) ;;
  windows) packages+=("${windows_packages[@]}") ;;
  web) packages=("${web_packages[@]}") ;;
  *) echo "usage: $0 [run|test|check|package|screenshot|windows|web]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
fi
