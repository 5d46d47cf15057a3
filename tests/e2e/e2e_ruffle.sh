#!/usr/bin/env bash
# End-to-end run of the real program with its player on the SWF engine, on a
# virtual X server: Velmora's built-in host is a local web server serving the
# test movie tests/data/swf/ponte.swf as Velmora's loader. The movie starts,
# asks its page, and the bridge's first answer turns the game's background
# blue, in the same native window as the home screen; the F key in the movie
# toggles full screen and back. Screenshots go to the output folder. The host
# is mapped in private mount and network namespaces, so neither the machine's
# hosts file nor its ports are touched.
# Usage: e2e_ruffle.sh <quillet6 binary> <output folder>   (as root)
set -euo pipefail

programa="$(realpath "$1")"
saida="$(realpath -m "$2")"
mkdir -p "$saida"
raiz="$(cd "$(dirname "$0")/../.." && pwd)"

if [[ $(id -u) -ne 0 ]] || ! command -v unshare ip python3 >/dev/null; then
  echo "e2e_ruffle: needs root, unshare, ip and python3; skipped"
  exit 77
fi
if [[ ! -f "$(dirname "$programa")/ruffle/ruffle/ruffle.js" ]]; then
  echo "e2e_ruffle: the SWF engine is not installed with this build; skipped"
  exit 77
fi
if [[ ${QUILLET_E2E_DENTRO:-} != 1 ]]; then
  QUILLET_E2E_DENTRO=1 exec unshare --mount --net --propagation private bash "$0" "$programa" "$saida"
fi

trabalho="$(mktemp -d)"
trap 'kill "${pid_programa:-}" "${pid_x:-}" "${pid_servidor:-}" 2>/dev/null || true; rm -rf "$trabalho"' EXIT

ip link set lo up
host=$(grep -o 'raizVelmora = QStringLiteral("http://[^/"]*' "$raiz/core/unit_Enderecos.h" | sed 's|.*http://||')
{ cat /etc/hosts; echo "127.0.0.1 $host"; } >"$trabalho/hosts"
mount --bind "$trabalho/hosts" /etc/hosts

mkdir -p "$trabalho/site"
cp "$raiz/tests/data/swf/ponte.swf" "$trabalho/site/VelmoraChargeur.swf"
python3 -m http.server 80 --bind 127.0.0.1 --directory "$trabalho/site" >"$saida/servidor.log" 2>&1 &
pid_servidor=$!

source "$raiz/tests/e2e/comum.sh"
iniciar_x

mkdir -p "$trabalho/appdata/Quillet 6"
printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/appdata/Quillet 6/config.ini"
APPDATA="$trabalho/appdata" TEMP="$trabalho/temp" "$programa" >"$saida/programa.log" 2>&1 &
pid_programa=$!

geometria

# Full screen keeps the window above the others (and frameless); windowed, it
# comes back maximised, which on a desktop without a window manager is as wide.
em_tela_cheia() {
  geometria
  xprop -id "$janela" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE
}

esperar_modo() {
  for _ in $(seq 100); do
    if em_tela_cheia; then
      [[ $1 == cheia ]] && return 0
    else
      [[ $1 == janela ]] && return 0
    fi
    sleep 0.1
  done
  falhar "the window is not in the $1 mode"
}

cor_home="247,247,247"
cor_jogo="106,116,149"

esperar_cor 420 240 "$cor_home"
janela_home=$janela
clicar 200 150
# Left of the 800 x 600 stage the game's background shows: blue once the
# movie has asked its page (the browser starts with the first game).
espera=600 esperar_cor 8 560 "$cor_jogo"
# The browser's view joined the window without a new native window, which
# would have shown the whole window black until it painted.
geometria
[[ $janela == "$janela_home" ]] || falhar "the window was re-created when the game started"
sleep 1
foto 1-velmora

clicar 420 400
xdotool key f
esperar_modo cheia
((WIDTH == 1280)) || falhar "full screen is $WIDTH wide"
sleep 1
foto 2-tela-cheia
# The desktop's window manager gives the new window the keyboard; Xvfb has none.
xdotool windowfocus --sync "$janela"
clicar 640 500
xdotool key f
esperar_modo janela
echo "e2e_ruffle: passed"
