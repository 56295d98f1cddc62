#!/usr/bin/env bash
# Builds the release of HEAD twice, from two clones in different folders, with
# a different umask, time zone, locale and time of day, and fails unless the
# two SHA256SUMS are the same.
set -euo pipefail
cd "$(dirname "$0")/../.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
second=$work/second/in/another/folder
(umask 022 && git clone -q . "$work/first" && cd "$work/first" &&
  TZ=UTC LC_ALL=C.UTF-8 bash scripts/release.sh)
(umask 077 && git clone -q . "$second" && cd "$second" &&
  TZ=Pacific/Auckland LC_ALL=pl_PL.UTF-8 bash scripts/release.sh)
if diff "$work/first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
  echo "the two releases are the same, byte for byte"
else
  echo "the two releases differ" >&2
  exit 1
fi
