#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and starts the installed program
# (offscreen, from a folder outside the source and build trees) in its
# diagnostic mode: it must find its files in the installed tree, the SWF
# engine when the build has it, and Qt's Portuguese translation when the
# machine has it. Then validates the installed desktop entry and catalogue
# data with the desktop's own tools, when they are there.
# Usage: teste_instalacao.sh <build folder>
set -euo pipefail

build="$(realpath "$1")"
raiz="$(cd "$(dirname "$0")/../.." && pwd)"
trabalho="$(mktemp -d)"
trap 'rm -rf "$trabalho"' EXIT

falhar() {
  echo "FAILED: $*"
  exit 1
}

prefixo=/opt/quillet6
destino="$trabalho/destino"
DESTDIR="$destino" cmake --install "$build" --prefix "$prefixo" >"$trabalho/install.log"
instalado="$destino$prefixo"

[[ -x "$instalado/bin/quillet6" ]] || falhar "no executable in bin/"
for lado in 16 24 32 48 64 128 256; do
  icone="$instalado/share/icons/hicolor/${lado}x${lado}/apps/quillet6.png"
  [[ -f $icone ]] || falhar "no ${lado}x${lado} icon"
done

mkdir -p "$trabalho/fora/appdata" "$trabalho/fora/temp"
cd "$trabalho/fora"
# --version and --help answer without a display and without starting.
versao=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$instalado/bin/quillet6" --version)
[[ $versao == "Quillet 6 6.0.1" ]] || falhar "--version printed '$versao'"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$instalado/bin/quillet6" --help |
  grep -q -- "--game" || falhar "--help does not name --game"
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$instalado/bin/quillet6" --game tetris \
  2>/dev/null; then
  falhar "an unknown game was accepted"
fi
saida=$(env -u QUILLET_DADOS -u DISPLAY QT_QPA_PLATFORM=offscreen QUILLET_DIAGNOSTICO=1 \
  APPDATA="$trabalho/fora/appdata" TEMP="$trabalho/fora/temp" timeout 60 "$instalado/bin/quillet6")
echo "$saida"
grep -qxF "data folder: $instalado/share/quillet6" <<<"$saida" || falhar "the installed files were not found"
if [[ -f "$build/ruffle/ruffle/ruffle.js" ]]; then
  grep -qxF "SWF engine: found" <<<"$saida" || falhar "the installed SWF engine was not found"
  [[ -f "$instalado/share/doc/quillet6/ruffle/LICENSE_MIT" && -f "$instalado/share/doc/quillet6/ruffle/LICENSE_APACHE" ]] ||
    falhar "the SWF engine's licences are not installed"
fi
traducoes=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS 2>/dev/null || true)
if [[ -f "$traducoes/qtbase_pt_BR.qm" ]]; then
  grep -qxF "Qt translation: $traducoes/qtbase_pt_BR.qm" <<<"$saida" || falhar "Qt's Portuguese translation was not loaded"
fi

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$instalado/share/applications/quillet6.desktop" || falhar "desktop-file-validate"
else
  echo "desktop-file-validate is not installed: the desktop entry was not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$instalado/share/metainfo/example.quillet.Quillet6.metainfo.xml" ||
    falhar "appstreamcli validate"
else
  echo "appstreamcli is not installed: the catalogue data was not validated"
fi
echo "installed and started from $instalado"
