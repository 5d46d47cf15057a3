#!/usr/bin/env bash
# End-to-end run of the single running copy on a virtual X server: the
# program started with one data folder, another copy with a second data folder
# (which runs beside it) brought in front of it, then a third start with the
# first data folder: that start ends at once, and the first copy's window
# comes in front with the keyboard focus. Screenshots go to the output folder.
# Usage: e2e_instancia.sh <quillet6 binary> <output folder>
set -euo pipefail

programa="$1"
saida="$2"
mkdir -p "$saida"
trabalho="$(mktemp -d)"
trap 'kill "${pid_a:-}" "${pid_b:-}" "${pid_c:-}" "${pid_x:-}" 2>/dev/null || true; rm -rf "$trabalho"' EXIT

source "$(dirname "$0")/comum.sh"
iniciar_x

iniciar() { # data folder name
  mkdir -p "$trabalho/$1/Quillet 6"
  printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/$1/Quillet 6/config.ini"
  APPDATA="$trabalho/$1" TEMP="$trabalho/temp" QUILLET_PLAYER=standin "$programa" >>"$saida/programa-$1.log" 2>&1 &
}

janelas() { xdotool search --onlyvisible --name '^Quillet 6$' 2>/dev/null || true; }

esperar_janelas() { # how many
  for _ in $(seq 100); do
    (($(janelas | wc -l) == $1)) && return 0
    sleep 0.1
  done
  falhar "$(janelas | wc -l) windows, expected $1"
}

# The window of the X focus, and the top-most of the program's windows.
em_foco() { printf '%d' "$(xdotool getwindowfocus)"; }
no_topo() {
  local lista
  lista=$(janelas)
  xwininfo -root -children | grep -oE '^ +0x[0-9a-f]+' | while read -r id; do
    if grep -qx "$((id))" <<<"$lista"; then
      echo "$((id))"
      break
    fi
  done
}

iniciar a
pid_a=$!
esperar_janelas 1
janela_a=$(janelas)

iniciar b
pid_b=$!
esperar_janelas 2
janela_b=$(janelas | grep -vx "$janela_a")
xdotool windowraise "$janela_b"
xdotool windowfocus --sync "$janela_b"
[[ $(em_foco) == "$janela_b" ]] || falhar "the second data folder's window did not take the focus"
[[ $(no_topo) == "$janela_b" ]] || falhar "the second data folder's window is not on top"
foto 1-outra-pasta-na-frente

iniciar a
pid_c=$!
for _ in $(seq 100); do
  kill -0 "$pid_c" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid_c" 2>/dev/null && falhar "the second start with the same data folder did not end"
wait "$pid_c" || falhar "the second start ended with status $?"
pid_c=
esperar_janelas 2
for _ in $(seq 50); do
  [[ $(em_foco) == "$janela_a" && $(no_topo) == "$janela_a" ]] && break
  sleep 0.1
done
[[ $(em_foco) == "$janela_a" ]] || falhar "the running copy did not take the focus"
[[ $(no_topo) == "$janela_a" ]] || falhar "the running copy did not come on top"
kill -0 "$pid_a" || falhar "the running copy ended"
foto 2-primeira-na-frente
echo "e2e_instancia: 1 passed, 0 failed"
