#!/usr/bin/env bash
# Builds the static Qt for Windows and GoogleTest for the cross build, from
# Debian's own sources with Debian's MinGW-w64, into a cache outside the tree,
# and prints the cache folder. A cache made from the same Qt version, options
# and toolchain is reused as it is; anything else is built afresh (about twenty
# minutes on two cores). Needs the packages of `setup.sh windows`.
set -euo pipefail
source "$(dirname "$0")/common.sh"
repo=$PWD

# The Qt source is the revision of Debian's host Qt tools, which must match it
# anyway; so a Debian update of one moves the other too.
qt_debian_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
qt_version=${qt_debian_version%%+*}
toolchain=$repo/packaging/windows/mingw-w64.cmake

# Only what the window needs: Core, Gui, Widgets and the windows platform
# plugin, optimised for size, each function in its own section so that the
# program's link keeps just what it calls.
options=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
  -DFEATURE_optimize_size=ON -DFEATURE_gc_binaries=ON -DFEATURE_static_runtime=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
  -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
  -DINPUT_opengl=no -DFEATURE_vulkan=OFF
  -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF -DFEATURE_zstd=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF -DFEATURE_sessionmanager=OFF
  -DFEATURE_filedialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF
  -DFEATURE_wizard=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_mdiarea=OFF
  -DFEATURE_graphicsview=OFF -DFEATURE_style_stylesheet=OFF -DFEATURE_style_fusion=OFF
  -DFEATURE_gestures=OFF -DFEATURE_filesystemmodel=OFF
  -DFEATURE_mimetype=OFF -DFEATURE_xmlstream=OFF
  -DFEATURE_jalalicalendar=OFF -DFEATURE_islamiccivilcalendar=OFF
  # Debian's source leaves out the Wacom tablet headers; the window takes no
  # tablet input.
  -DFEATURE_tabletevent=OFF
  # The Direct2D platform plugin: not wanted, and it is the 1.1 feature that
  # drops it; turning off direct2d itself breaks the static link.
  -DFEATURE_direct2d1_1=OFF
  # Qt writes its prefix into every program; a fixed one keeps the builder's
  # home folder out of the exe. The real folder is given at install time.
  -DCMAKE_INSTALL_PREFIX=/opt/qt-static
)

# The key holds this script too: a change to how Qt is built is a change to
# what it gives.
key=$( { echo "$qt_debian_version"; printf '%s\n' "${options[@]}"; cat "$toolchain" "$repo/scripts/lib/windows_qt.sh"
         dpkg-query -W -f='${Version}\n' googletest g++-mingw-w64-x86-64-posix; } |
       sha256sum | cut -c1-12)
prefix=$cache_dir/qt-$qt_version-mingw-static-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache_dir/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
started=$SECONDS

# The source comes from Debian's archive through an apt configuration of our
# own, which adds the source index without touching the machine's /etc/apt.
apt_dir=$cache_dir/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
cat >"$apt_dir/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
EOF
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
             -o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" update -q >&2
(cd "$work" && apt-get "${apt_options[@]}" source --download-only -q "qt6-base=$qt_debian_version" >&2)
tar -xf "$work"/qt6-base_*.orig.tar.xz -C "$work" >&2
source_dir=$(echo "$work"/qtbase-everywhere-src-*)

# Two machines must build the same Qt, whatever they run it from. Qt's resource
# compiler stamps every file it packs with SOURCE_DATE_EPOCH, so that is the
# date of the Qt source's own newest changelog entry, never the date of the
# commit of ours that happened to be checked out; and the builder's time zone,
# locale and umask are set aside as for our own releases.
qt_changed=$(tar -xOf "$work"/qt6-base_*.debian.tar.xz debian/changelog |
             sed -n 's/^ -- .*>  //p' | head -n 1)
SOURCE_DATE_EPOCH=$(date -d "$qt_changed" +%s)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022

echo "== Qt $qt_version for Windows, static: configure and build (about twenty minutes)" >&2
cmake -S "$source_dir" -B "$work/qt-build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake" \
  "${options[@]}" \
  -DCMAKE_C_FLAGS="-ffile-prefix-map=$work=." -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work=." \
  >"$work/configure.log" 2>&1 \
  || { tail -n 60 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/qt-build" --parallel "$(nproc)" >&2
cmake --install "$work/qt-build" --prefix "$prefix" >/dev/null

echo "== GoogleTest for Windows" >&2
cmake -S /usr/src/googletest -B "$work/gtest-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF >&2
cmake --build "$work/gtest-build" --parallel "$(nproc)" >&2
cmake --install "$work/gtest-build" >/dev/null

rm -rf "$work"
echo "built in $((SECONDS - started)) s; $(du -sh "$prefix" | cut -f1) in $prefix" >&2
touch "$prefix/.complete"
echo "$prefix"
