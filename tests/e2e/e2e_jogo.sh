#!/usr/bin/env bash
# End-to-end run of the real program on a virtual X server with real X input:
# open Velmora from its tile, copy a bad link inside the game, see the warning
# cover the game, go back to the game, show the header at the top edge and go
# back home. Screenshots of every stage go to the output folder.
# Usage: e2e_jogo.sh <quillet6 binary> <output folder>
set -euo pipefail

programa="$1"
saida="$2"
mkdir -p "$saida"
trabalho="$(mktemp -d)"
trap 'kill "${pid_programa:-}" "${pid_x:-}" 2>/dev/null || true; rm -rf "$trabalho"' EXIT

# A free display number, chosen by the X server itself.
exec {fd_display}<> <(:)
Xvfb -displayfd "$fd_display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pid_x=$!
read -r -t 10 numero <&"$fd_display"
export DISPLAY=":$numero"

mkdir -p "$trabalho/appdata/Quillet 6"
printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/appdata/Quillet 6/config.ini"
APPDATA="$trabalho/appdata" TEMP="$trabalho/temp" QUILLET_PLAYER=standin "$programa" >"$saida/programa.log" 2>&1 &
pid_programa=$!

janela=$(xdotool search --sync --onlyvisible --name '^Quillet 6$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$janela")"

falhar() {
  echo "FAILED: $*"
  exit 1
}

# The colour of a pixel of the window, as "r,g,b".
cor() {
  import -window root -crop "1x1+$((X + $1))+$((Y + $2))" -depth 8 txt:- | tail -1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Waits up to 10 s for a pixel to take (or, with "!", to leave) a colour.
esperar_cor() {
  local x=$1 y=$2 esperada=$3 negar=${4:-}
  for _ in $(seq 100); do
    local atual
    atual=$(cor "$x" "$y")
    if [[ -z $negar && $atual == "$esperada" ]] || [[ -n $negar && $atual != "$esperada" ]]; then
      return 0
    fi
    sleep 0.1
  done
  falhar "pixel ($x,$y) is $(cor "$x" "$y"), expected ${negar:+not }$esperada"
}

foto() { import -window root "$saida/$1.png"; }

clicar() {
  xdotool mousemove "$((X + $1))" "$((Y + $2))"
  sleep 0.2
  xdotool click 1
}

cor_jogo="106,116,149"
cor_home="247,247,247"

esperar_cor 420 240 "$cor_home"
foto 1-home

# A click on the Velmora tile: home slides away and the game loads.
clicar 200 150
esperar_cor 420 560 "$cor_jogo"
foto 2-velmora

# Inside the game's chat: type a bad link, select it and copy it.
clicar 500 214
xdotool type --delay 20 "olha http://gratis-free.com"
xdotool key ctrl+a ctrl+c
esperar_cor 420 560 "$cor_jogo" "!"
foto 3-aviso

# Back on the warning: the panel slides away and the game is there again.
clicar 47 34
esperar_cor 420 560 "$cor_jogo"
foto 4-jogo-de-novo

# The header shows while the pointer is at the top edge.
xdotool mousemove "$((X + 300))" "$((Y + 10))"
esperar_cor 300 5 "255,255,255"
foto 5-cabecalho

# Back home from the header.
clicar 43 15
esperar_cor 420 240 "$cor_home"
foto 6-home-de-novo

kill -0 "$pid_programa" || falhar "the program is no longer running"
echo "e2e_jogo: 1 passed, 0 failed"
