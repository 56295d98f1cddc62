# What the Wine tests share: named checks with a closing tally, and waiting
# for the program's window on the virtual display.
passed=0 failed=0

# check NAME COMMAND...: runs COMMAND and counts it as NAME passing or failing.
check() {
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "ok   $name"; else failed=$((failed + 1)); echo "FAIL $name"; fi
}

# Prints the X window ids titled exactly TITLE once there are at least COUNT of them.
windows_titled() {
  local title=$1 count=${2:-1} found
  for _ in $(seq 150); do
    found=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true)
    if [ "$(echo "$found" | grep -c .)" -ge "$count" ]; then echo "$found"; return 0; fi
    sleep 0.1
  done
  return 1
}

finish() {
  echo "$passed passed, $failed failed"
  ((failed == 0))
}
