#!/usr/bin/env bash
# Static analysis of the project's sources: clang-tidy with the committed
# .clang-tidy, then cppcheck. Any finding fails. Reads the compile database
# of the tests' build (the preset "test"), which it brings up to date first.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build test >/dev/null
sources=(core/*.cpp ui/*.cpp tests/core/*.cpp tests/ui/*.cpp bench/*.cpp bench/startup/*.cpp)

echo "== clang-tidy"
run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" "${sources[@]}" >"$build_dir/clang-tidy.log" 2>&1 ||
  { grep -E "(warning|error):" "$build_dir/clang-tidy.log"; exit 1; }
if grep -E "(warning|error):" "$build_dir/clang-tidy.log"; then exit 1; fi

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
  -I core -I ui -I tests/common core ui bench fuzz tests
echo "static analysis: no findings"
