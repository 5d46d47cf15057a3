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

source "$(dirname "$0")/comum.sh"
iniciar_x

mkdir -p "$trabalho/appdata/Quillet 6"
printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/appdata/Quillet 6/config.ini"
APPDATA="$trabalho/appdata" TEMP="$trabalho/temp" QUILLET_PLAYER=standin "$programa" >"$saida/programa.log" 2>&1 &
pid_programa=$!

geometria

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
