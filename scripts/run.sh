#!/usr/bin/env bash
# Installs what is missing, builds Parabolix and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh run
bash scripts/build.sh
exec "${PARABOLIX_BUILD_DIR:-build}/ui/parabolix"
