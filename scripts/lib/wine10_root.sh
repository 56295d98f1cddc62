#!/usr/bin/env bash
# Makes a Debian 13 root with Wine 10, an X server and Wine's own headers,
# in which a UI Automation client can tour parabolix.exe (Debian 12's Wine 8
# deadlocks in the client API), caches it outside the tree and prints its
# folder. A root made from the same suite, packages and script is reused as
# it is; anything else is made afresh, with debootstrap, as root or through
# sudo.
set -euo pipefail
source "$(dirname "$0")/common.sh"

suite=trixie
packages=(wine wine64 libwine-dev xvfb)
key=$( { echo "$suite"; printf '%s\n' "${packages[@]}"; cat scripts/lib/wine10_root.sh scripts/lib/common.sh; } |
       sha256sum | cut -c1-12)
root=$cache_dir/debian13-wine-$key
if [ -f "$root/.complete" ]; then
  echo "$root"
  exit 0
fi

[ -x /usr/sbin/debootstrap ] || bash scripts/lib/setup.sh windows >&2
started=$SECONDS
echo "== A Debian 13 root with Wine 10 in $root (about a minute)" >&2
as_root rm -rf "$cache_dir"/debian13-wine-* # an older recipe's root too
mkdir -p "$cache_dir"
make_root "$suite" "$root" "${packages[@]}"
# The tour runs as a user of the root's own, with its files in /tour.
as_root chroot "$root" sh -c 'apt-get clean && rm -rf /var/lib/apt/lists/* &&
  useradd --no-create-home tour && mkdir /tour' >&2
as_root touch "$root/.complete"
echo "made in $((SECONDS - started)) s; $(as_root du -sh "$root" | cut -f1)" >&2
echo "$root"
