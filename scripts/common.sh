# Sourced by the scripts, for what several of them need, each written once:
# the project's root as the working folder, root's rights, the folder of the
# long one-off builds, and a virtual X server.
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# as_root COMMAND...: runs COMMAND as root, through sudo for a user. sudo
# drops exported variables: give them on the command line (env NAME=value).
as_root() { if ((EUID == 0)); then "$@"; else sudo "$@"; fi; }

# The long one-off builds, outside the tree (the static Qt for Windows, the
# Debian 13 root with Wine 10); their scripts make them again when missing.
cache_dir=${PARABOLIX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/parabolix}

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
