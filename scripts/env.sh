# Sourced by the scripts: common settings.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"
# Qt wants a private runtime directory.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
  export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/zol-runtime-$(id -u)"
fi
mkdir -p "$XDG_RUNTIME_DIR" && chmod 0700 "$XDG_RUNTIME_DIR"

# Starts Xvfb on a free display and exports DISPLAY; stops it on exit.
start_xvfb() {
  local display=90
  while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
  done
  Xvfb ":${display}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
  export DISPLAY=":${display}"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display}" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}
