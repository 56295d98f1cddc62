#!/usr/bin/env bash
# Configures and builds Parabolix with a preset of CMakePresets.json (default:
# the program and its tests in build/). Extra arguments go to CMake's
# configure step; scripts/test.sh adds -DPARABOLIX_WERROR=ON, so that a newer
# compiler's new warning cannot stop a user from running the program.
# Usage: build.sh [preset] [configure arguments]
set -euo pipefail
source "$(dirname "$0")/common.sh"

preset=${1:-default}
shift $(($# > 0))
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset"
