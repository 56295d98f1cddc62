#!/usr/bin/env bash
# The zip's contents, and the installer run silently under Wine by a user, in
# the display and Wine prefix of scripts/windows.sh: what it puts down, and its
# uninstaller taking it all away. Usage: installer_test.sh <setup.exe> <version>
set -uo pipefail
source "$(dirname "$0")/checks.sh"

setup=$1 version=$2
zip=${setup%-setup.exe}.zip
check "the zip holds the program and the licence" test "$(python3 -m zipfile -l "$zip" |
  awk 'NR > 1 { print $1 }' | sort | tr '\n' ' ')" = \
  "Parabolix-$version-win64/LICENSE.txt Parabolix-$version-win64/parabolix.exe "

unix_path() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r')"; }
programs=$(unix_path '%LOCALAPPDATA%\Programs')
shortcut="$(unix_path '%APPDATA%')/Microsoft/Windows/Start Menu/Programs/Parabolix.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Parabolix'
entry() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v { print $3 }'; }

wine "$setup" /S
check "the program and its licence land in the user's programs" \
  test -f "$programs/Parabolix/parabolix.exe" -a -f "$programs/Parabolix/LICENSE.txt"
check "a Start-menu shortcut named Parabolix" test -f "$shortcut"
check "an installed-programs entry with the version" test "$(entry DisplayVersion)" = "$version"
check "the entry shows the program's icon" test "$(entry DisplayIcon)" = \
  "$(wine cmd /c echo '%LOCALAPPDATA%' | tr -d '\r')\\Programs\\Parabolix\\parabolix.exe,0"

wine "$programs/Parabolix/Uninstall.exe" /S
for _ in $(seq 100); do [ -e "$programs/Parabolix" ] || break; sleep 0.1; done
check "uninstalling leaves no files" test ! -e "$programs/Parabolix" -a ! -e "$shortcut"
check "uninstalling leaves no entry" test -z "$(entry DisplayVersion)"
finish
