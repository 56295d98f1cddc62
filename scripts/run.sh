#!/usr/bin/env bash
# Installs what is missing, builds Parabolix and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh
echo "The window is not built yet: so far Parabolix is its riddle library and tests."
echo "Run 'bash scripts/test.sh' to see them pass."
