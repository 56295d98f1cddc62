# What the Windows tests share: named checks with a closing tally.
passed=0 failed=0

check() {
  if "${@:2}"; then passed=$((passed + 1)); echo "ok   $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}

finish() {
  echo "$passed passed, $failed failed"
  ((failed == 0))
}
