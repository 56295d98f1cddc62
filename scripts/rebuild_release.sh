#!/usr/bin/env bash
# Rebuilds the release of the commit checked out and checks it against a
# published SHA256SUMS: every file it lists must come out the same, byte for
# byte. Usage: rebuild_release.sh <published SHA256SUMS>
set -euo pipefail
sums=$(realpath "${1:?usage: rebuild_release.sh <published SHA256SUMS>}")
cd "$(dirname "$0")/.."
bash scripts/release.sh
(cd dist && sha256sum --check --strict "$sums")
