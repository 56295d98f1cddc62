#!/usr/bin/env bash
# The built parabolix.exe read back by tools made for it: its icon (icoutils'
# wrestool and icotool), its version record and its manifest (wrestool); that
# it needs no DLL beside it, the screen reader's tour under Wine 10 shows.
# Usage: resources_test.sh <parabolix.exe> <major> <minor> <patch>
set -uo pipefail
source "$(dirname "$0")/checks.sh"
exe=$1 major=$2 minor=$3 patch=$4
short=$(printf '%d.%02d' "$major" "$minor") # 2.05 for 2.5.x
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

wrestool -x -t 14 "$exe" >"$work/icon.ico"
# The window's 16 x 16 in three depths first, then the larger sizes in 32-bit.
check "icon holds 16 px in 4, 8 and 32 bits, then 24, 32, 48 and 256 px in 32 bits" test \
  "$(icotool -l "$work/icon.ico" | sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2x\3/' |
    tr '\n' ' ')" = "16x16x4 16x16x8 16x16x32 24x24x32 32x32x32 48x48x32 256x256x32 "

# The version record, its UTF-16 strings each on a line of their own.
wrestool -x -R -t 16 "$exe" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -c '[:print:]' '\n' |
  grep -v '^$' >"$work/version"
check "version record: $short, Parabolix" test "$(grep -A1 -x -E \
  'FileVersion|InternalName|ProductName|ProductVersion' "$work/version" | grep -v -x -e -- |
  tr '\n' ' ')" = "FileVersion $short InternalName Parabolix ProductName Parabolix ProductVersion $short "
check "version record in US English" grep -q -x 040904b0 "$work/version"
# VS_FIXEDFILEINFO: its signature, its own version, then major.minor.patch.0
# for file and product, each as two little-endian 32-bit words.
le16() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }
numeric=$(le16 "$minor")$(le16 "$major")0000$(le16 "$patch")
check "numeric version $major.$minor.$patch.0" grep -q "bd04effe00000100$numeric$numeric" \
  <(wrestool -x -R -t 16 "$exe" | od -An -tx1 -v | tr -d ' \n')

manifest=$(wrestool -x -R -t 24 "$exe")
check "manifest asks for common controls 6.0" grep -q \
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest"
check "manifest asks for the invoker's rights and DPI awareness" test \
  "$(grep -c -e 'level="asInvoker"' -e 'PerMonitorV2' <<<"$manifest")" = 2
finish
