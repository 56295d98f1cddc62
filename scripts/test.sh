#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh test
bash scripts/build.sh -DPARABOLIX_WERROR=ON
ctest --test-dir "${PARABOLIX_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)"
