#!/usr/bin/env bash
# End-to-end run of an online game on the real program, its player on the SWF
# engine, on a virtual X server: Velmora's built-in host is a game host in a
# network of its own (a network namespace at 203.0.113.2, reached over a veth
# pair), which serves tests/data/swf/rede.swf as Velmora's loader, a socket
# policy on port 843 and a game's socket server on port 5555. At its first
# start the movie connects to its own host on 5555, which no one named: the
# program finds the server, checks it, keeps it for Velmora and restarts the
# movie, whose next attempt connects through the socket bridge and gets its
# echo. A click in the movie opens a link, which reaches the desktop's
# browser (a recording stand-in) once the link check has followed it.
# Screenshots go to the output folder. Everything happens in private mount
# and network namespaces: neither the machine's hosts file nor its networks
# are touched.
# Usage: e2e_online.sh <quillet6 binary> <output folder>   (as root)
set -euo pipefail

source "$(dirname "$0")/comum.sh"
entrar_namespaces "$0" "$1" "$2"

trabalho="$(mktemp -d)"
trap 'kill "${pid_programa:-}" "${pid_x:-}" "${pid_site:-}" "${pid_sockets:-}" 2>/dev/null || true
      ip netns del jogos 2>/dev/null || true; rm -rf "$trabalho"' EXIT

# The game host's network: one address each side, nothing else shared.
ip link set lo up
mount -t tmpfs tmpfs /run
ip netns add jogos
ip link add quillet0 type veth peer name jogo0
ip link set jogo0 netns jogos
ip addr add 203.0.113.1/32 dev quillet0
ip link set quillet0 up
ip route add 203.0.113.2/32 dev quillet0
ip netns exec jogos ip link set lo up
ip netns exec jogos ip addr add 203.0.113.2/32 dev jogo0
ip netns exec jogos ip link set jogo0 up
ip netns exec jogos ip route add 203.0.113.1/32 dev jogo0

host=$(grep -o 'raizVelmora = QStringLiteral("http://[^/"]*' "$raiz/core/unit_Enderecos.h" | sed 's|.*http://||')
{ cat /etc/hosts; echo "203.0.113.2 $host"; } >"$trabalho/hosts"
mount --bind "$trabalho/hosts" /etc/hosts

link="http://noticias.example/velmora"
mkdir -p "$trabalho/site"
cp "$raiz/tests/data/swf/rede.swf" "$trabalho/site/VelmoraChargeur.swf"
printf 'porta=5555&alvo=%s' "$link" >"$trabalho/site/rede.txt"
ip netns exec jogos python3 "$raiz/tests/e2e/servidor_jogo.py" "$trabalho/site" 80 "$saida/pedidos.log" 0.0.0.0 \
  >"$saida/site.log" 2>&1 &
pid_site=$!
: >"$saida/sockets.log"
ip netns exec jogos python3 "$raiz/tests/e2e/servidor_sockets.py" 843 5555 "$saida/sockets.log" \
  >"$saida/sockets-erros.log" 2>&1 &
pid_sockets=$!

# The desktop's browser: it only writes down what it was given.
mkdir -p "$trabalho/bin"
: >"$saida/navegador.log"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$saida/navegador.log" >"$trabalho/bin/xdg-open"
chmod +x "$trabalho/bin/xdg-open"

iniciar_x

mkdir -p "$trabalho/appdata/Quillet 6" "$trabalho/casa"
printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/appdata/Quillet 6/config.ini"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}new_delete_type_mismatch=0"
PATH="$trabalho/bin:$PATH" HOME="$trabalho/casa" XDG_CACHE_HOME="$trabalho/cache" APPDATA="$trabalho/appdata" \
  TEMP="$trabalho/temp" "$programa" >>"$saida/programa.log" 2>&1 &
pid_programa=$!
geometria

esperar_log() {
  local arquivo=$1 padrao=$2
  for _ in $(seq "${espera:-600}"); do
    grep -q "$padrao" "$arquivo" && return 0
    sleep 0.1
  done
  falhar "$arquivo never said \"$padrao\": $(tail -5 "$arquivo")"
}

esperar_cor 420 240 "247,247,247"
clicar 200 150
# The movie's message over its socket, after the restart that gave it its server.
esperar_log "$saida/sockets.log" "5555 message ola"
grep -q "843 policy" "$saida/sockets.log" || falhar "the host's policy was not asked for on port 843"
grep -qx "$host:5555" "$trabalho/appdata/Quillet 6/servidores/velmora.txt" ||
  falhar "the server was not kept for Velmora: $(cat "$trabalho/appdata/Quillet 6/servidores/velmora.txt" 2>&1)"
[[ $(grep -c '^/VelmoraChargeur.swf' "$saida/pedidos.log") -ge 1 ]] || falhar "the movie was never asked for"
sleep 2
foto 1-online

# A click opens the movie's link in the desktop's browser, once checked.
clicar 420 400
espera=300 esperar_log "$saida/navegador.log" "$link"
[[ $(wc -l <"$saida/navegador.log") -eq 1 ]] || falhar "one click opened $(wc -l <"$saida/navegador.log") links"
foto 2-link
echo "e2e_online: passed"
