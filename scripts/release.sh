#!/usr/bin/env bash
# Builds into dist/ everything a user downloads, from the commit checked out:
# the Debian package, the Windows zip and installer, the page's site as a zip,
# a source archive of the commit, and SHA256SUMS over them. The same commit gives the same bytes on
# any machine, from any folder, at any time (scripts/lib/reproducible.sh).
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source scripts/lib/reproducible.sh

if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release.sh: the work tree differs from the commit; commit or stash first" >&2
  exit 1
fi
# From nothing: an output made by an earlier build, without this commit's date
# (Qt's resource compiler stamps each file it packs), would be taken as it is.
export PARABOLIX_FRESH=1
bash scripts/package.sh
bash scripts/windows.sh --no-tests
bash scripts/web.sh --no-tests

rm -rf dist
mkdir dist
windows=$(preset_dir windows)
cp "$(preset_dir package)"/parabolix_*.deb "$windows"/Parabolix-*-win64.zip "$windows"/Parabolix-*-win64-setup.exe dist/
version=$(dpkg-deb -f dist/parabolix_*.deb Version)
site=parabolix-web-$version
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$(preset_dir web)/site" "$work/$site"
(cd "$work" && python3 -c 'import shutil, sys; shutil.make_archive(sys.argv[1], "zip", ".", sys.argv[1])' "$site")
python3 packaging/normalise_zip.py "$work/$site.zip"
mv "$work/$site.zip" dist/
git archive --format=tar --prefix="parabolix-$version/" HEAD | gzip -9n >"dist/parabolix-$version.tar.gz"
(cd dist && sha256sum -- * >SHA256SUMS)
echo "== dist/SHA256SUMS"
cat dist/SHA256SUMS
