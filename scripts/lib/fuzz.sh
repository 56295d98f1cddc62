#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the preset "fuzz") and runs each for a
# bounded time (seconds, default 60), starting from the committed seeds.
# A finding fails the run and prints the input that reproduces it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds=${1:-60}
build fuzz

status=0
for program in "$build_dir"/fuzz/*_fuzz; do # the targets fuzz/CMakeLists.txt lists
  target=$(basename "$program" _fuzz)
  work=$build_dir/corpus/$target
  artifacts=$build_dir/artifacts/$target
  mkdir -p "$work" "$artifacts"
  echo "== fuzzing $target for ${seconds}s"
  if ! "$program" -max_total_time="$seconds" -print_final_stats=1 \
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
