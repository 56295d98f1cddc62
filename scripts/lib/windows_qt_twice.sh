#!/usr/bin/env bash
# Shows that Qt for Windows, built on two machines, gives the same program:
# builds it twice from nothing, in two cache folders, once as root and once as
# another user, with a different umask, time zone and locale, each from a
# different checkout (so a different commit date is in the environment, as
# scripts/lib/reproducible.sh puts it there), one after the other; then builds the
# exe, zip and installer of HEAD with each, and fails unless all three are the
# same bytes. Takes about forty minutes on two cores, so it is not part of CI: run it
# after any change to windows_qt.sh, its options or the toolchain file.
# Needs root (it makes the user) and the packages of `setup.sh windows`.
set -euo pipefail
source "$(dirname "$0")/common.sh"
repo=$PWD
((EUID == 0)) || { echo "windows_qt_twice.sh: run me as root (sudo)" >&2; exit 2; }
bash scripts/lib/setup.sh windows

user=parabolix-proof
id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
[ -f /usr/lib/locale/pl_PL.utf8/LC_CTYPE ] || localedef -i pl_PL -f UTF-8 pl_PL.UTF-8
work=$(mktemp -d /var/tmp/parabolix-qt-twice.XXXXXX)
chmod 755 "$work"
# Kept when the proof fails, for diffoscope to say what differs.
trap 'echo "the builds are kept in $work and $home/qt-twice" >&2' EXIT
head=$(git rev-parse HEAD)

# as WHO UMASK TZ LOCALE CACHE FOLDER COMMAND...: runs COMMAND in FOLDER as WHO.
as() {
  local who=$1 mask=$2 zone=$3 locale=$4 cache=$5 folder=$6
  shift 6
  runuser -u "$who" -- env -i PATH=/usr/bin:/bin HOME="$(getent passwd "$who" | cut -d: -f6)" \
    TZ="$zone" LANG="$locale" LC_ALL="$locale" PARABOLIX_WINDOWS_CACHE="$cache" \
    bash -c 'umask "$1"; cd "$2"; shift 2; "$@"' as "$mask" "$folder" "$@"
}

# qt NAME WHO UMASK TZ LOCALE ROOT: clones into ROOT/NAME, gives that checkout
# a commit of its own NAME's age in days, and builds Qt into ROOT/NAME-cache
# with that commit's date as SOURCE_DATE_EPOCH.
qt() {
  local name=$1 who=$2 mask=$3 zone=$4 locale=$5 root=$6
  local when=$(($(git log -1 --format=%ct) - ${#name} * 86400))
  # Cloned by root and handed over: git will not read another user's repository.
  git clone -q "$repo" "$root/$name"
  chown -R "$who:" "$root/$name"
  as "$who" "$mask" "$zone" "$locale" "$root/$name-cache" "$root/$name" \
    env GIT_COMMITTER_DATE="$when +0000" git -c user.name=proof -c user.email=proof@invalid \
    commit -q --allow-empty --date="$when +0000" -m "A checkout with a date of its own"
  local commit date
  commit=$(as "$who" 022 UTC C.UTF-8 "" "$root/$name" git rev-parse HEAD)
  date=$(as "$who" 022 UTC C.UTF-8 "" "$root/$name" git log -1 --format=%ct)
  echo "== Qt $name: user $who, umask $mask, TZ=$zone, LC_ALL=$locale, commit $commit" \
       "($(date -ud "@$date" +%FT%TZ)), cache $root/$name-cache, from $(date -u +%T)"
  as "$who" "$mask" "$zone" "$locale" "$root/$name-cache" "$root/$name" \
    env SOURCE_DATE_EPOCH="$date" bash scripts/lib/windows_qt.sh >/dev/null
  echo "   built by $(date -u +%T)"
}

# build NAME WHO ROOT: the exe, zip and installer of HEAD with Qt NAME.
build() {
  local name=$1 who=$2 root=$3
  as "$who" 022 UTC C.UTF-8 "$root/$name-cache" "$root/$name" git checkout -q "$head"
  as "$who" 022 UTC C.UTF-8 "$root/$name-cache" "$root/$name" \
    bash scripts/windows.sh --no-tests >/dev/null
  (cd "$root/$name/build-windows" && sha256sum ui/parabolix.exe Parabolix-*-win64*) |
    tee "$work/$name.sums"
}

mkdir -p "$home/qt-twice"
chown "$user:" "$home/qt-twice"
qt first root 022 UTC C.UTF-8 "$work"
qt second "$user" 077 Pacific/Auckland pl_PL.UTF-8 "$home/qt-twice"
echo "== HEAD ($head) with the first Qt"
build first root "$work"
echo "== HEAD ($head) with the second Qt"
build second "$user" "$home/qt-twice"
if ! diff "$work/first.sums" "$work/second.sums"; then
  echo "the two Qt builds give different programs" >&2
  exit 1
fi
echo "the exe, zip and installer are the same with either Qt, byte for byte"

# Beyond this program: the two Qt installs, file by file. A file may differ
# only where it names the folder it was built or installed in.
first_qt=$(echo "$work"/first-cache/qt-*)
second_qt=$(echo "$home"/qt-twice/second-cache/qt-*)
sums() { (cd "$1" && find . -type f ! -name .complete -print0 | sort -z | xargs -0 sha256sum); }
differing=$(diff <(sums "$first_qt") <(sums "$second_qt") | sed -n 's/^[<>] [0-9a-f]*  //p' |
            sort -u || true)
echo "== the two Qt installs: $(sums "$first_qt" | wc -l) files, $(grep -c . <<<"$differing" || true) differ"
for file in $differing; do
  if ! grep -q -e "$work" "$first_qt/$file"; then
    echo "$file differs, and not by its folder" >&2
    exit 1
  fi
  echo "   $file: names its folder"
done
# Root's own windows.sh need not build the same Qt a third time.
built=$(echo "$work"/first-cache/qt-*)
if [ ! -e "$cache_dir/$(basename "$built")" ]; then
  mkdir -p "$cache_dir"
  mv "$built" "$cache_dir/"
fi
trap - EXIT
rm -rf "$work" "$home/qt-twice"
