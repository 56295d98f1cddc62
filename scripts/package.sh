#!/usr/bin/env bash
# Builds the Debian package parabolix_<version>_<arch>.deb (the preset "package") with
# Debian's hardening flags, the same bytes from the same commit, checks it
# with lintian, and checks that it holds everything a desktop needs.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source scripts/lib/reproducible.sh

bash scripts/lib/setup.sh package
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  build package
rm -f "$build_dir"/parabolix_*.deb # a package of another version would be taken for this one
cpack --preset package >/dev/null
package=$(ls "$build_dir"/parabolix_*.deb)
# CPack stamps the package with the time it ran; Debian's dpkg-deb builds it
# again with every date the commit's and the members in order.
root=$build_dir/deb-root
rm -rf "$root"
dpkg-deb -R "$package" "$root"
find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group -Zxz --build "$root" "$package" >/dev/null
echo "Built $package"
lintian --fail-on error,warning --info "$package"
echo "lintian: no errors or warnings"

# What a desktop needs, each in its standard place.
id=io.github.parabolix.Parabolix
contents=$(dpkg-deb -c "$package")
for path in usr/bin/parabolix usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  grep -q " \./$path\$" <<<"$contents" || { echo "missing from the package: $path" >&2; exit 1; }
done
echo "the package holds the program, its desktop entry, AppStream data and icons"
