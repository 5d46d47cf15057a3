#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) and proves it on a clean Debian 12:
# a fresh root made by debootstrap, `apt-get install ./quillet6_*.deb` inside
# it, then the program started from its desktop entry's Exec line on a
# virtual X server inside that root, and a screenshot of its window.
# Slow (it downloads a Debian system and the program's dependencies): not a
# part of the test command. As root.
#   scripts/pacote.sh [output folder]      (default: build/pacote)
# BASE_BOOKWORM may name a debootstrapped bookworm root to copy instead of
# making one (it is copied, never changed).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparar.sh"

saida="$(realpath -m "${1:-$BUILD_DIR/pacote}")"
mkdir -p "$saida"
if [[ $(id -u) -ne 0 ]]; then
  echo "pacote.sh: needs root (debootstrap, chroot)"
  exit 1
fi
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null

rm -f "$BUILD_DIR"/quillet6_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
pacote=$(ls "$BUILD_DIR"/quillet6_*.deb)
cp "$pacote" "$saida/"
dpkg-deb -I "$pacote" >"$saida/pacote-info.txt"
echo "Package: $pacote"

trabalho="$(mktemp -d /var/tmp/quillet6-prova.XXXXXX)"
raiz="$trabalho/raiz"
montados=()
encerrar() {
  kill ${pid_programa:-} ${pid_x:-} 2>/dev/null || true
  for ((i = ${#montados[@]} - 1; i >= 0; i--)); do umount -l "${montados[i]}" 2>/dev/null || true; done
  rm -rf "$trabalho"
}
trap encerrar EXIT

if [[ -n ${BASE_BOOKWORM:-} ]]; then
  cp -a "$BASE_BOOKWORM" "$raiz"
else
  debootstrap bookworm "$raiz" http://deb.debian.org/debian >"$saida/debootstrap.log" 2>&1
fi
montar() {
  mkdir -p "$raiz$2"
  mount "${@:3}" "$1" "$raiz$2"
  montados+=("$raiz$2")
}
montar proc /proc -t proc
montar sysfs /sys -t sysfs
montar /dev /dev --bind
montar devpts /dev/pts -t devpts
montar tmpfs /dev/shm -t tmpfs
cp /etc/resolv.conf "$raiz/etc/resolv.conf"
cp "$pacote" "$raiz/tmp/"
dentro() { chroot "$raiz" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "Installing the package on a clean Debian 12 (log: $saida/instalacao.log)"
{
  dentro cat /etc/debian_version
  dentro apt-get update -q
  dentro env DEBIAN_FRONTEND=noninteractive apt-get install -y "/tmp/$(basename "$pacote")"
} >"$saida/instalacao.log" 2>&1
tail -3 "$saida/instalacao.log"

# Only to look at it: a virtual X server and a screenshot tool.
dentro env DEBIAN_FRONTEND=noninteractive apt-get install -y -q xvfb x11-utils imagemagick >"$saida/ferramentas.log" 2>&1

dentro env QT_QPA_PLATFORM=offscreen QUILLET_DIAGNOSTICO=1 quillet6 2>/dev/null | tee "$saida/diagnostico.txt"
grep -qx "data folder: /usr/share/quillet6" "$saida/diagnostico.txt"
grep -qx "SWF engine: found" "$saida/diagnostico.txt"
grep -qx "Qt translation: .*qtbase_pt_BR.qm" "$saida/diagnostico.txt"

comando=$(sed -n 's/^Exec=//p' "$raiz/usr/share/applications/quillet6.desktop")
echo "Starting the desktop entry's command: $comando"
dentro bash -c 'exec {fd}<> <(:); Xvfb -displayfd $fd -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
  echo $! >/tmp/xvfb.pid; read -r -t 10 n <&$fd; echo $n >/tmp/display'
pid_x=$(cat "$raiz/tmp/xvfb.pid")
display=":$(cat "$raiz/tmp/display")"
mkdir -p "$raiz/root/.config/Quillet 6"
printf '[Quillet]\r\nprimeiroUso=0\r\n' >"$raiz/root/.config/Quillet 6/config.ini"
dentro env DISPLAY="$display" bash -c "$comando >/tmp/quillet6.log 2>&1 & echo \$! >/tmp/quillet6.pid"
pid_programa=$(cat "$raiz/tmp/quillet6.pid")
for _ in $(seq 100); do
  dentro env DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep -q '"Quillet 6"' && break
  sleep 0.2
done
dentro env DISPLAY="$display" xwininfo -root -tree | grep '"Quillet 6"' || { cat "$raiz/tmp/quillet6.log"; exit 1; }
sleep 3 # its first frame
dentro env DISPLAY="$display" import -window root /tmp/tela.png
cp "$raiz/tmp/tela.png" "$saida/bookworm-quillet6.png"
kill -0 "$pid_programa" || { cat "$raiz/tmp/quillet6.log"; exit 1; }
echo "PASSED: installed on Debian $(cat "$raiz/etc/debian_version") and started; screenshot $saida/bookworm-quillet6.png"
