#!/usr/bin/env bash
# Builds Parabolix for the browser with Debian's emscripten (the preset
# "web"): the page, with the core compiled to WebAssembly, into the build's
# site/ (the whole site: put the folder on any static web host), then runs
# the core's tests under node, the page's tests in Chromium, Firefox ESR and
# WebKitGTK, and the screen reader's tours of the page. `web.sh serve` builds
# and serves the site at http://127.0.0.1:8000/ instead; `web.sh --no-tests`
# only builds.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source scripts/lib/reproducible.sh

bash scripts/lib/setup.sh web
build web
echo "Built $build_dir/site: $(cd "$build_dir/site" && du -cb -- * | tail -n 1 | cut -f1) bytes in" \
     "$(find "$build_dir/site" -type f | wc -l) files"

case ${1:-} in
  serve) exec python3 web/serve.py "$build_dir/site" 8000 ;;
  --no-tests) exit 0 ;;
esac
ctest --preset web
