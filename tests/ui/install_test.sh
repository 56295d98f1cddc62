#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks that everything a desktop
# needs lands in its standard place.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
id=io.github.parabolix.Parabolix
failed=0
for path in bin/parabolix share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  [[ -f $prefix/$path ]] || { echo "missing: $path"; failed=$((failed + 1)); }
done
echo "$((9 - failed)) passed, $failed failed"
((failed == 0))
