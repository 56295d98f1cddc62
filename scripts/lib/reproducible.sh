# Sourced by the scripts that make what a user downloads, so that one commit
# gives the same bytes on any machine: every date is the commit's (a source
# archive's files carry that date too), and the builder's umask, time zone
# and locale do not reach the packages.
if git rev-parse --git-dir >/dev/null 2>&1 && [ "$(git rev-parse --show-toplevel)" = "$PWD" ]; then
  commit_date=$(git log -1 --format=%ct)
else
  commit_date=$(stat -c %Y CMakeLists.txt)
fi
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$commit_date}
export TZ=UTC LC_ALL=C.UTF-8
umask 022
