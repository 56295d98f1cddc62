#!/usr/bin/env bash
# Builds Parabolix for the browser with Debian's emscripten: the page, with the
# core compiled to WebAssembly, into build-web/site/ (the whole site: put the
# folder on any static web host), then runs the core's tests under node and
# the page's tests in Debian's Chromium. `web.sh serve` builds and serves the
# site at http://127.0.0.1:8000/ instead; `web.sh --no-tests` only builds.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source scripts/reproducible.sh

bash scripts/setup.sh web
build_dir=build-web
# Debian's emscripten finds its optimiser's modules there, which a node from
# elsewhere does not look in.
export NODE_PATH=/usr/share/nodejs

# The npm packages of package-lock.json: terser, axe-core.
mkdir -p "$build_dir/npm"
cp web/package.json web/package-lock.json "$build_dir/npm/"
(cd "$build_dir/npm" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)

# Emscripten's toolchain runs the tests under node (emcmake would add a flag
# that today's node refuses). Optimised for speed: with exceptions emulated in
# JavaScript, a size-optimised core reads a pasted megabyte five times slower,
# for 2 KB less.
bash scripts/build.sh web
echo "Built $build_dir/site: $(cd "$build_dir/site" && du -cb -- * | tail -n 1 | cut -f1) bytes in" \
     "$(find "$build_dir/site" -type f | wc -l) files"

case ${1:-} in
  serve) exec python3 web/serve.py "$build_dir/site" 8000 ;;
  --no-tests) exit 0 ;;
esac
ctest --preset web --parallel "$(nproc)" --timeout 300
