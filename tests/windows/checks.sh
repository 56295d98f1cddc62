# What the Wine tests share: named checks with a closing tally, and the ids
# of the visible windows titled Parabolix once there are at least $1 of them.
passed=0 failed=0

check() {
  if "${@:2}"; then passed=$((passed + 1)); echo "ok   $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}

windows_titled_parabolix() {
  for _ in $(seq 150); do
    xdotool search --onlyvisible --name '^Parabolix$' 2>/dev/null | awk -v n="${1:-1}" \
      '{ ids = ids $0 "\n" } END { if (NR < n) exit 1; printf "%s", ids }' && return 0
    sleep 0.1
  done
  return 1
}

finish() {
  echo "$passed passed, $failed failed"
  ((failed == 0))
}
