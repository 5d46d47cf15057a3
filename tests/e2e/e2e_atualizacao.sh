#!/usr/bin/env bash
# End-to-end run of the real program against a local web server standing in
# for the definitions host: a published version newer than the program's
# shows the update notice; declining it leaves the outdated about line,
# accepting it ends the program. The built-in host is mapped to 127.0.0.1 in a
# private mount namespace, so the machine's own hosts file is never touched.
# Usage: e2e_atualizacao.sh <quillet6 binary> <output folder>   (as root)
set -euo pipefail

programa="$(realpath "$1")"
saida="$(realpath -m "$2")"
mkdir -p "$saida"

if [[ $(id -u) -ne 0 ]] || ! command -v unshare python3 curl >/dev/null; then
  echo "e2e_atualizacao: needs root, unshare, python3 and curl; skipped"
  exit 77
fi
if [[ ${QUILLET_E2E_DENTRO:-} != 1 ]]; then
  QUILLET_E2E_DENTRO=1 exec unshare --mount --propagation private bash "$0" "$programa" "$saida"
fi

trabalho="$(mktemp -d)"
trap 'kill "${pid_programa:-}" "${pid_x:-}" "${pid_servidor:-}" 2>/dev/null || true; rm -rf "$trabalho"' EXIT

host=$(grep -o 'definicoesPrimaria = QStringLiteral("http://[^/"]*' "$(dirname "$0")/../../core/unit_Enderecos.h" |
  sed 's|.*http://||')
{ cat /etc/hosts; echo "127.0.0.1 $host"; } >"$trabalho/hosts"
mount --bind "$trabalho/hosts" /etc/hosts

mkdir -p "$trabalho/site"
printf 'versao=602\r\nversaoStr=6.0.2\r\natualizacao=http://%s/quillet-6.0.2\r\n' "$host" >"$trabalho/site/ql6def.txt"
python3 -m http.server 80 --bind 127.0.0.1 --directory "$trabalho/site" >"$saida/servidor.log" 2>&1 &
pid_servidor=$!
for _ in $(seq 50); do
  curl -sf -o /dev/null "http://$host/ql6def.txt" && break
  sleep 0.1
done

source "$(dirname "$0")/comum.sh"
iniciar_x

iniciar() {
  rm -rf "$trabalho/appdata"
  mkdir -p "$trabalho/appdata/Quillet 6"
  printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$trabalho/appdata/Quillet 6/config.ini"
  APPDATA="$trabalho/appdata" TEMP="$trabalho/temp" QUILLET_PLAYER=standin "$programa" >>"$saida/programa.log" 2>&1 &
  pid_programa=$!
  # The notice is a second window with the program's caption.
  for _ in $(seq 100); do
    (($(xdotool search --onlyvisible --name '^Quillet 6$' 2>/dev/null | wc -l) >= 2)) && return 0
    sleep 0.1
  done
  falhar "no update notice"
}

# Declining: the notice goes, the program stays with the outdated about line.
iniciar
sleep 0.5
import -window root "$saida/1-aviso-atualizacao.png"
xdotool key alt+n
sleep 1
(($(xdotool search --onlyvisible --name '^Quillet 6$' | wc -l) == 1)) || falhar "the notice is still open"
kill -0 "$pid_programa" || falhar "declining ended the program"
import -window root "$saida/2-recusada.png"
kill "$pid_programa"
wait "$pid_programa" 2>/dev/null || true

# Accepting: the program ends at once, without asking.
iniciar
xdotool key alt+y
for _ in $(seq 50); do
  kill -0 "$pid_programa" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid_programa" 2>/dev/null && falhar "accepting did not end the program"
echo "e2e_atualizacao: 1 passed, 0 failed"
