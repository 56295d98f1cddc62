#!/usr/bin/env bash
# Installs what is missing, builds the program and every test in build-test/
# with warnings as errors, and runs every test (the workflow preset "test").
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

bash scripts/lib/setup.sh test
cmake --workflow --preset test
