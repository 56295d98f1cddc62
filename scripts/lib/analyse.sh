#!/usr/bin/env bash
# Static analysis of every C++ source of the project: clang-tidy with the
# committed .clang-tidy, then cppcheck. Any finding fails. The native sources
# are read through the compile database of the tests' build (the preset
# "test"), which it brings up to date first; the page's, which build only for
# WebAssembly, against emscripten's own headers.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build test >/dev/null
native=(core/*/*.cpp ui/*.cpp tests/core/*/*.cpp tests/ui/*.cpp bench/*.cpp bench/startup/*.cpp)
sysroot=$(em-config CACHE)/sysroot
page=(-std=c++20 -Icore --target=wasm32-unknown-emscripten "--sysroot=$sysroot" -isystem "$sysroot/include/compat"
      -isystem "$sysroot/include/c++/v1" -D__EMSCRIPTEN__ -DEMSCRIPTEN -D_LIBCPP_ABI_VERSION=2 -fno-exceptions)

echo "== clang-tidy"
log=$build_dir/clang-tidy.log
# The build's flags are GCC's; clang, under clang-tidy, knows not all of them.
{ run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option "${native[@]}" &&
  clang-tidy -quiet web/*.cpp -- "${page[@]}"; } >"$log" 2>&1 ||
  { grep -E "(warning|error):" "$log"; exit 1; }
if grep -E "(warning|error):" "$log"; then exit 1; fi

echo "== cppcheck"
# Suppressed, because:
#   missingIncludeSystem: the system and Qt headers are not cppcheck's to read.
#   unusedStructMember in tests: table rows are read through GoogleTest's
#     GetParam(), which cppcheck cannot follow.
#   constParameterCallback in bench: Google Benchmark requires a non-const State&.
cppcheck --enable=warning,style,performance,portability --std=c++20 \
  --library=qt --library=googletest --error-exitcode=1 --inline-suppr --quiet \
  --suppress=missingIncludeSystem \
  --suppress='unusedStructMember:tests/*' \
  --suppress='constParameterCallback:bench/*' \
  -I core -I ui -I tests/common core ui web bench fuzz tests
echo "static analysis: no findings"
