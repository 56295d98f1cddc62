#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks that everything a desktop
# needs lands in its standard place.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
id=io.github.parabolix.Parabolix
expected=(
  bin/parabolix
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done

passed=0 failed=0
for path in "${expected[@]}"; do
  if [[ -f $prefix/$path ]]; then
    passed=$((passed + 1))
  else
    echo "missing: $path"
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
((failed == 0))
