#!/usr/bin/env bash
# Installs what the build needs (when missing), then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR and CMAKE_EXTRA may be set by the caller.
set -euo pipefail

RAIZ="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$RAIZ/build}"
PACOTES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libpcre2-dev libcurl4-openssl-dev
         libgtest-dev libgmock-dev libcpp-httplib-dev xvfb xdotool x11-utils imagemagick fonts-dejavu-core
         libgl1-mesa-dev libxcb1-dev python3 curl qt6-webengine-dev qt6-websockets-dev
         qt6-translations-l10n fonts-crosextra-carlito fonts-liberation desktop-file-utils appstream)
# The caller may need more (the test command: clang for the fuzz targets).
PACOTES+=(${PACOTES_EXTRAS[@]+"${PACOTES_EXTRAS[@]}"})
# The player's SWF engine comes from npm; any npm will do (Node.js may come from elsewhere).
command -v npm >/dev/null || PACOTES+=(npm)

faltando=()
for pacote in "${PACOTES[@]}"; do
  dpkg-query -W -f='${Status}' "$pacote" 2>/dev/null | grep -q "install ok installed" || faltando+=("$pacote")
done
if ((${#faltando[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${faltando[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${faltando[@]}" >/dev/null
  else
    echo "Missing packages. Run as root:"
    echo "  apt-get install -y ${faltando[*]}"
    exit 1
  fi
fi

# The SWF engine, pinned by third_party/ruffle/package-lock.json. Without it
# the program runs its stand-in player.
if [[ ! -f "$RAIZ/third_party/ruffle/node_modules/@ruffle-rs/ruffle/ruffle.js" ]]; then
  echo "Installing the SWF engine (npm: @ruffle-rs/ruffle)"
  npm ci --prefix "$RAIZ/third_party/ruffle" --ignore-scripts --no-audit --no-fund --silent ||
    echo "The SWF engine could not be installed: the program will use its stand-in player."
fi

if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$RAIZ"
fi
if [[ ! -f "$BUILD_DIR/build.ninja" ]]; then
  cmake -S "$RAIZ" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_EXTRA:-} >/dev/null
fi
cmake --build "$BUILD_DIR"
