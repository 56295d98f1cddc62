#!/usr/bin/env bash
# The deep checks, which CI runs after scripts/test.sh: the whole suite under
# AddressSanitizer and UBSan, every fuzz target for a bounded time (seconds,
# default 60 each), static analysis, and the Debian package built, checked
# with lintian, installed and started.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

fuzz_seconds=${1:-60}
bash scripts/lib/setup.sh check
bash scripts/lib/setup.sh package

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --workflow --preset sanitize

echo "== fuzzing"
bash scripts/lib/fuzz.sh "$fuzz_seconds"

echo "== static analysis"
bash scripts/lib/analyse.sh

echo "== Debian package: build, lintian, install, start"
bash scripts/package.sh
bash scripts/lib/package_smoke.sh
