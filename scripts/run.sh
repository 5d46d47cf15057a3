#!/usr/bin/env bash
# Builds Quillet 6 (installing what is missing) and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparar.sh"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$BUILD_DIR/quillet6"
fi

# No display: a virtual X server of its own, on a display number the server
# picks among the free ones, stopped when the program ends.
exec {fd_display}<> <(:)
Xvfb -displayfd "$fd_display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pid_x=$!
trap 'kill ${pid_programa:-} "$pid_x" 2>/dev/null || true' EXIT
trap 'exit 130' INT HUP TERM
if ! read -r -t 10 numero <&"$fd_display"; then
  echo "The virtual X server (Xvfb) did not start."
  exit 1
fi
export DISPLAY=":$numero"
echo "No display found: the program runs on a virtual X server (Xvfb $DISPLAY), stopped when it ends."
echo "Take a look with: DISPLAY=$DISPLAY import -window root screen.png"
"$BUILD_DIR/quillet6" &
pid_programa=$!
wait "$pid_programa"
