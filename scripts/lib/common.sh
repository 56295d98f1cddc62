# Sourced by the scripts, for what several of them need, each written once:
# the project's root as the working folder, root's rights, whether a package
# is installed, the folder of the long one-off builds, the build folder of a
# preset, a virtual X server and waiting for the window on it, Wine's
# settings, and Debian roots of other releases or made afresh.
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

# as_root COMMAND...: runs COMMAND as root, through sudo for a user. sudo
# drops exported variables: give them on the command line (env NAME=value).
as_root() { if ((EUID == 0)); then "$@"; else sudo "$@"; fi; }

# The long one-off builds, outside the tree (the static Qt for Windows, the
# Debian 13 root with Wine 10); their scripts make them again when missing.
cache_dir=${PARABOLIX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/parabolix}

# installed PACKAGE: whether the Debian package PACKAGE is installed.
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# preset_dir PRESET: the folder a configure preset of CMakePresets.json
# builds in, which is written there and nowhere else.
preset_dir() { python3 scripts/lib/preset_dir.py "$1"; }

# build PRESET [CONFIGURE ARGUMENTS...]: configures and builds PRESET, and
# sets build_dir to its folder. With PARABOLIX_FRESH=1, from nothing: a file
# an earlier build made, without this commit's date, would be kept as it is.
build() {
  local preset=$1 fresh=()
  shift
  [ "${PARABOLIX_FRESH:-}" != 1 ] || fresh=(--fresh)
  build_dir=$(preset_dir "$preset")
  cmake --preset "$preset" "${fresh[@]}" "$@" >/dev/null
  cmake --build --preset "$preset" ${fresh:+--clean-first}
}

# start_display: a virtual X server at 96 dots per inch in DISPLAY, gone when
# the script ends (a script with an EXIT trap of its own kills $xvfb there).
start_display() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$display_file" &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$display_file")
  rm -f "$display_file"
}

# wait_for_window PID [SECONDS]: waits until the window "Parabolix" is shown
# on $DISPLAY; fails should the process PID end first, or after SECONDS
# (default 120).
wait_for_window() {
  local deadline=$((SECONDS + ${2:-120}))
  until xwininfo -name Parabolix >/dev/null 2>&1; do
    kill -0 "$1" 2>/dev/null && ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# How Wine runs the program and its tests: quietly, with no Mono or Gecko to
# offer; NAME=value, for export or env.
wine_settings=(WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")

# make_root SUITE FOLDER PACKAGES...: a minimal Debian SUITE in FOLDER, from
# Debian's mirror with debootstrap, with the suite's security and point
# updates in its sources, as a machine installed today has them, and PACKAGES.
make_root() {
  local suite=$1 root=$2
  shift 2
  as_root debootstrap --variant=minbase "$suite" "$root" http://deb.debian.org/debian >&2
  as_root tee "$root/etc/apt/sources.list" >/dev/null <<EOF
deb http://deb.debian.org/debian $suite main
deb http://deb.debian.org/debian $suite-updates main
deb http://deb.debian.org/debian-security $suite-security main
EOF
  # As Debian's installer writes it: without it "localhost" names nothing,
  # and WebDriver's clients reach their drivers by that name.
  printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' |
    as_root tee "$root/etc/hosts" >/dev/null
  as_root chroot "$root" env DEBIAN_FRONTEND=noninteractive sh -c \
    'apt-get update -q && apt-get upgrade -y -q && apt-get install -y -q --no-install-recommends "$@"' \
    make_root "$@" >&2
}

# in_root ROOT USER [--tour FOLDER] COMMAND...: runs COMMAND as USER in the
# Debian root ROOT, in namespaces of its own, so that its mounts and every
# process it starts end with it (and with the caller, should that end first):
# its own /proc, /sys and /dev, a fresh /tmp with the caller's X servers in
# it, and FOLDER read-only at /tour. COMMAND starts from an empty environment
# but for what it is given (env NAME=value). Needs root, or sudo.
in_root() {
  local root=$1 user=$2 tour=
  shift 2
  if [ "$1" = --tour ]; then tour=$(realpath "$2"); shift 2; fi
  as_root unshare --mount --pid --fork --kill-child bash -c '
    set -e
    mount -t proc proc "$1/proc"
    mount -t sysfs sysfs "$1/sys"
    mount --rbind /dev "$1/dev"
    mount -t tmpfs tmpfs "$1/tmp"
    mkdir "$1/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$1/tmp/.X11-unix"
    [ -z "$3" ] || mount --bind -o ro "$3" "$1/tour"
    exec chroot "$1" setpriv --reuid="$2" --regid="$2" --init-groups env -i "${@:4}"' \
    in_root "$root" "$user" "$tour" "$@"
}
