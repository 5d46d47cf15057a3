#!/usr/bin/env bash
# Builds Quillet 6 (installing what is missing) and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparar.sh"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: starting the program on a virtual X server (Xvfb :77)."
  echo "Take a look with: xwd -root -display :77 | convert xwd:- screen.png"
  Xvfb :77 -screen 0 1280x900x24 >/dev/null 2>&1 &
  export DISPLAY=:77
  sleep 1
fi
exec "$BUILD_DIR/quillet6"
