#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time (seconds, default 60), starting from the committed seeds.
# A finding fails the run and prints the input that reproduces it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build_dir=build-fuzz
CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPARABOLIX_WERROR=ON -DPARABOLIX_BUILD_FUZZ=ON -DPARABOLIX_BUILD_UI=OFF \
  -DPARABOLIX_BUILD_TESTS=OFF -DPARABOLIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

status=0
for target in text_to_number double_to_text solve; do
  work=$build_dir/corpus/$target
  artifacts=$build_dir/artifacts/$target
  mkdir -p "$work" "$artifacts"
  echo "== fuzzing $target for ${seconds}s"
  if ! "$build_dir/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" >"$artifacts/log" 2>&1; then
    status=1
    grep -E "fuzz check failed|ERROR|SUMMARY" "$artifacts/log" || tail -20 "$artifacts/log"
    for finding in "$artifacts"/crash-* "$artifacts"/leak-* "$artifacts"/timeout-* "$artifacts"/oom-*; do
      [[ -e $finding ]] || continue
      echo "reproducer $finding (hex):"
      od -An -tx1 -v "$finding" | head -40
    done
  else
    grep -E "stat::number_of_executed_units|Done" "$artifacts/log" | tail -2
  fi
done
exit "$status"
