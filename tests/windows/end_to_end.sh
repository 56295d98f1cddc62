#!/usr/bin/env bash
# One pass through parabolix.exe under Wine, driven through the X server as a
# user would, reading texts back through the clipboard. Run by CTest in the
# display and Wine prefix of scripts/windows.sh. Usage: end_to_end.sh <exe>
set -uo pipefail
source "$(dirname "$0")/checks.sh"

LC_ALL=pl_PL.UTF-8 wine "$1" &
program=$!
window=$(windows_titled_parabolix) || { echo "FAIL the window never appeared"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
check "window titled Parabolix with a 308 x 336 client area" test "$WIDTH x $HEIGHT" = "308 x 336"

# click X Y: a click at a point of the window's client area, in pixels.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
copied() { xdotool key ctrl+a ctrl+c; sleep 0.3; xclip -o -selection clipboard; }

click 154 319 # oblicz
click 154 290 # the polynomial
check "oblicz on the start values gives 3x^2+9x+4" test "$(copied)" = "3x^2+9x+4"

click 52 73 # m
xdotool key ctrl+a type 1e400
click 154 319
windows_titled_parabolix 2 >/dev/null
xdotool key ctrl+c # the message box has the focus
sleep 0.3
check "1e400 brings the Overflow message" grep -q "Przepełnienie: liczba jest zbyt duża." \
  <(xclip -o -selection clipboard)
# Escape closes the box as its OK would; Wine may drop the first key after
# the focus moves, so press until the box is gone.
for _ in $(seq 20); do
  [ "$(xdotool search --onlyvisible --name '^Parabolix$' | wc -l)" -gt 1 ] || break
  xdotool key Escape
  sleep 0.3
done
click 154 290
check "the window goes on after the message" test "$(copied)" = "3x^2+9x+4"

# A program that does not end fails by CTest's time limit.
xdotool key --window "$window" alt+F4
wait $program
check "closing the window ends the program with status 0" test $? = 0
finish
