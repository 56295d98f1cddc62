#!/usr/bin/env bash
# Configures and builds Parabolix in build/ (or $PARABOLIX_BUILD_DIR). Extra
# arguments go to CMake's configure step; the tests and CI add
# -DPARABOLIX_WERROR=ON, so that a newer compiler's new warning cannot stop a
# user from running the program.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${PARABOLIX_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
