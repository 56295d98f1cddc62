#!/usr/bin/env bash
# The deep checks, after scripts/test.sh: the whole suite again under
# AddressSanitizer and UBSan, every fuzz target for a bounded time (seconds,
# default 60 each), and static analysis.
set -euo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds=${1:-60}
bash scripts/setup.sh check

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
PARABOLIX_BUILD_DIR=build-sanitize bash scripts/build.sh -DPARABOLIX_SANITIZE=ON \
  -DPARABOLIX_BUILD_BENCH=OFF
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"

echo "== fuzzing"
bash scripts/fuzz.sh "$fuzz_seconds"

echo "== static analysis"
bash scripts/analyse.sh
