#!/usr/bin/env bash
# Configures and builds Parabolix in build/ (or $PARABOLIX_BUILD_DIR), with
# warnings treated as errors. Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${PARABOLIX_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARABOLIX_WERROR=ON "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
