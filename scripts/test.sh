#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash scripts/setup.sh test
bash scripts/build.sh default -DPARABOLIX_WERROR=ON
ctest --preset default --parallel "$(nproc)"
