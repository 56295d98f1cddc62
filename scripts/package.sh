#!/usr/bin/env bash
# Builds the Debian package build-package/parabolix_<version>_<arch>.deb with
# Debian's hardening flags, and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh package
build_dir=build-package
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARABOLIX_WERROR=ON \
    -DPARABOLIX_BUILD_TESTS=OFF -DPARABOLIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
(cd "$build_dir" && cpack -G DEB >/dev/null)
package=$(ls "$build_dir"/parabolix_*.deb)
echo "Built $package"
lintian --fail-on error,warning --info "$package"
echo "lintian: no errors or warnings"
