#!/usr/bin/env bash
# The README's commands where nothing is installed: a Debian 12 root made
# afresh with debootstrap (up to date, nothing cached), a user "pupil" who has
# sudo, and a clean clone of HEAD in that user's home. There, as that user,
# `bash scripts/run.sh` must open the window on a virtual X server, and then
# `bash scripts/test.sh` must pass; with `web`, a second fresh root must pass
# `bash scripts/web.sh`. The roots go when it ends. Needs root, or sudo.
# Usage: fresh_machine.sh [web]
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash scripts/lib/setup.sh fresh

# fresh_root: a new Debian 12 root in $root, with pupil and the clone.
fresh_root() {
  root=$(mktemp -d /var/tmp/parabolix-fresh.XXXXXX)
  chmod 755 "$root" # its / is everyone's
  local started=$SECONDS
  make_root bookworm "$root" sudo git ca-certificates
  # What this machine's network asks of every machine on it: the certificate
  # authorities it trusts beyond Debian's, and npm's settings; no package.
  as_root python3 scripts/lib/machine_certificates.py /etc/ssl/certs/ca-certificates.crt "$root"
  as_root chroot "$root" update-ca-certificates >/dev/null
  [ ! -f /etc/npmrc ] || as_root cp /etc/npmrc "$root/etc/npmrc"
  as_root chroot "$root" sh -c 'useradd --create-home --shell /bin/bash pupil &&
    echo "pupil ALL=(ALL) NOPASSWD: ALL" >/etc/sudoers.d/pupil'
  as_root git clone -q "$PWD" "$root/home/pupil/parabolix"
  as_root chroot "$root" chown -R pupil: /home/pupil/parabolix
  echo "a fresh Debian 12 root, $(as_root du -sh "$root" | cut -f1), made in $((SECONDS - started)) s"
}

# as_pupil COMMAND...: runs COMMAND in the clone as pupil, as a login would.
as_pupil() {
  in_root "$root" pupil HOME=/home/pupil USER=pupil LOGNAME=pupil SHELL=/bin/bash LANG=C.UTF-8 \
    PATH=/usr/local/bin:/usr/bin:/bin DISPLAY="$DISPLAY" bash -c 'cd ~/parabolix && "$@"' as_pupil "$@"
}

# timed WHAT COMMAND...: runs COMMAND, and says how long it took and how it ended.
timed() {
  local what=$1 started=$SECONDS status=0
  shift
  echo "== in the fresh root, as pupil: $what"
  "$@" || status=$?
  echo "== $what: $( ((status)) && echo "failed ($status)" || echo passed) in $((SECONDS - started)) s"
  return "$status"
}

# opens_window: run.sh, until the window it opens is seen on the display.
opens_window() {
  local log=$root.run.log run
  set -m # run.sh in a process group of its own, to be ended whole
  as_pupil bash scripts/run.sh >"$log" 2>&1 &
  run=$!
  set +m
  if ! wait_for_window "$run" 1800; then
    cat "$log"
    echo "run.sh ended without opening the window" >&2
    return 1
  fi
  echo "run.sh opened the window Parabolix ($(grep -c . "$log") lines of output)"
  kill -- -"$run"
  wait "$run" 2>/dev/null || true
  rm -f "$log"
}

start_display
trap 'kill "$xvfb" 2>/dev/null || true; [ -z "${root:-}" ] || as_root rm -rf --one-file-system "$root"' EXIT
fresh_root
if [ "${1:-}" = web ]; then
  timed "bash scripts/web.sh" as_pupil bash scripts/web.sh
else
  timed "bash scripts/run.sh" opens_window
  timed "bash scripts/test.sh" as_pupil bash scripts/test.sh
fi
