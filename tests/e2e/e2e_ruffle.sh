#!/usr/bin/env bash
# End-to-end run of the real program with its player on the SWF engine, on a
# virtual X server: Velmora's built-in host is a local web server serving the
# test movie tests/data/swf/ponte.swf as Velmora's loader. The movie starts,
# asks its page, and the bridge's first answer turns the game's background
# blue; the F key in the movie toggles full screen and back. Screenshots go to
# the output folder. The host is mapped in private mount and network
# namespaces, so neither the machine's hosts file nor its ports are touched.
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
host=$(grep -o 'raizVelmora = QStringLiteral("http://[^/"]*' "$raiz/platform/unit_Enderecos.h" | sed 's|.*http://||')
{ cat /etc/hosts; echo "127.0.0.1 $host"; } >"$trabalho/hosts"
mount --bind "$trabalho/hosts" /etc/hosts

mkdir -p "$trabalho/site"
cp "$raiz/tests/data/swf/ponte.swf" "$trabalho/site/VelmoraChargeur.swf"
python3 -m http.server 80 --bind 127.0.0.1 --directory "$trabalho/site" >"$saida/servidor.log" 2>&1 &
pid_servidor=$!

exec {fd_display}<> <(:)
Xvfb -displayfd "$fd_display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pid_x=$!
read -r -t 10 numero <&"$fd_display"
export DISPLAY=":$numero"

mkdir -p "$trabalho/appdata/Quillet 6"
printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/appdata/Quillet 6/config.ini"
APPDATA="$trabalho/appdata" TEMP="$trabalho/temp" "$programa" >"$saida/programa.log" 2>&1 &
pid_programa=$!

# Going full screen re-creates the window: it is looked up again each time.
geometria() {
  janela=$(xdotool search --sync --onlyvisible --name '^Quillet 6$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$janela")"
}
geometria

falhar() {
  echo "FAILED: $*"
  exit 1
}

cor() {
  import -window root -crop "1x1+$((X + $1))+$((Y + $2))" -depth 8 txt:- | tail -1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Waits up to 60 s (the browser starts with the first game) for a pixel's colour.
esperar_cor() {
  for _ in $(seq 600); do
    [[ $(cor "$1" "$2") == "$3" ]] && return 0
    sleep 0.1
  done
  falhar "pixel ($1,$2) is $(cor "$1" "$2"), expected $3"
}

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

foto() { import -window root "$saida/$1.png"; }

clicar() {
  xdotool mousemove "$((X + $1))" "$((Y + $2))"
  sleep 0.2
  xdotool click 1
}

cor_home="247,247,247"
cor_jogo="106,116,149"

esperar_cor 420 240 "$cor_home"
clicar 200 150
# Left of the 800 x 600 stage the game's background shows: blue once the
# movie has asked its page.
esperar_cor 8 560 "$cor_jogo"
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
