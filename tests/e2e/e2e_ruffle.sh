#!/usr/bin/env bash
# End-to-end run of the real program with its player on the SWF engine, on a
# virtual X server: Velmora's built-in host is a local web server serving the
# test movie tests/data/swf/ponte.swf as Velmora's loader. The movie starts,
# asks its page, and the bridge's first answer turns the game's background
# blue, in the same native window as the home screen; the F key in the movie
# toggles full screen and back. The host gives a session cookie, as a game's
# site does at login: closed and started again, the program brings it back to
# the host. Everything the program and its browser write lives in the
# program's own data and cache folders: its home folder stays empty.
# Screenshots go to the output folder. The host is mapped in private
# mount and network namespaces, so neither the machine's hosts file nor its
# ports are touched.
# Usage: e2e_ruffle.sh <quillet6 binary> <output folder>   (as root)
set -euo pipefail

source "$(dirname "$0")/comum.sh"
entrar_namespaces "$0" "$1" "$2"

trabalho="$(mktemp -d)"
trap 'kill "${pid_programa:-}" "${pid_x:-}" "${pid_servidor:-}" 2>/dev/null || true; rm -rf "$trabalho"' EXIT

ip link set lo up
host=$(grep -o 'raizVelmora = QStringLiteral("http://[^/"]*' "$raiz/core/unit_Enderecos.h" | sed 's|.*http://||')
{ cat /etc/hosts; echo "127.0.0.1 $host"; } >"$trabalho/hosts"
mount --bind "$trabalho/hosts" /etc/hosts

mkdir -p "$trabalho/site"
cp "$raiz/tests/data/swf/ponte.swf" "$trabalho/site/VelmoraChargeur.swf"
pedidos="$saida/pedidos.log"
: >"$pedidos"
python3 "$raiz/tests/e2e/servidor_jogo.py" "$trabalho/site" 80 "$pedidos" >"$saida/servidor.log" 2>&1 &
pid_servidor=$!

iniciar_x

mkdir -p "$trabalho/appdata/Quillet 6" "$trabalho/casa"
printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/appdata/Quillet 6/config.ini"
# In a build with AddressSanitizer: the browser library's own code (Chromium,
# built with sized deallocation) deletes some of its objects through a base
# of another size when a page goes, which the sanitizer's delete-size check
# reports. Nothing of the program's own is exempt from the other checks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}new_delete_type_mismatch=0"
iniciar_programa() {
  HOME="$trabalho/casa" XDG_CACHE_HOME="$trabalho/cache" APPDATA="$trabalho/appdata" TEMP="$trabalho/temp" \
    "$programa" >>"$saida/programa.log" 2>&1 &
  pid_programa=$!
  geometria
}
iniciar_programa

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

# Left of the 800 x 600 stage the game's background shows: blue once the
# movie has asked its page (the browser starts with the first game).
abrir_velmora() {
  esperar_cor 420 240 "$cor_home"
  janela_home=$janela
  clicar 200 150
  espera=600 esperar_cor 8 560 "$cor_jogo"
}
abrir_velmora
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

# Closed as the window manager's close button does, and the question answered.
grep -q "^/VelmoraChargeur.swf[^	]*	$" "$pedidos" || falhar "the movie was not asked for without a cookie first"
python3 "$raiz/tests/e2e/fechar_janela.py" "$janela"
caixa=""
for _ in $(seq 50); do
  caixa=$(xdotool search --onlyvisible --name '^Quillet 6$' | grep -vx "$janela" | head -1 || true)
  [[ -n $caixa ]] && break
  sleep 0.1
done
[[ -n $caixa ]] || falhar "closing the window asked nothing"
xdotool windowfocus --sync "$caixa"
xdotool key Return
for _ in $(seq 150); do
  kill -0 "$pid_programa" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$pid_programa" 2>/dev/null || falhar "the program did not end when its window was closed"
wait "$pid_programa" || falhar "the program ended with status $?"

iniciar_programa
abrir_velmora
grep -q "^/VelmoraChargeur.swf[^	]*	sessao=e2e-7f3a$" "$pedidos" ||
  falhar "the session cookie did not outlive the program: $(cat "$pedidos")"
[[ -d "$trabalho/appdata/Quillet 6/web/Velmora" && -d "$trabalho/cache/Quillet 6/web/Velmora" ]] ||
  falhar "Velmora's browser data or cache is not in the program's folders"
fora=$(find "$trabalho/casa" -mindepth 1 | head -20)
[[ -z $fora ]] || falhar "written outside the program's folders: $fora"
echo "e2e_ruffle: passed"
