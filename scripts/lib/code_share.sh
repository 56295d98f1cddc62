#!/usr/bin/env bash
# Prints how the test code (tests/ and fuzz/) compares with the rest of the
# code, in non-blank lines of the tracked sources; the project keeps it at
# most 36%, and aims at a third.
set -euo pipefail
cd "$(dirname "$0")/../.."

sources=$(git ls-files | grep -E '\.(cpp|h|py|sh|cmake|js)$|CMakeLists\.txt$|^\.ci/run$')
count() { grep -E "$1" <<<"$sources" | xargs cat | grep -c -v -E '^\s*$'; }
tests=$(count '^(tests|fuzz)/')
rest=$(count '^(core|ui|web|bench|scripts|packaging|\.ci)/|^CMakeLists\.txt$')
echo "tests and fuzz targets: $tests lines; the rest: $rest lines; $((100 * tests / rest))%"
