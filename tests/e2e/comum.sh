# Helpers of the end-to-end runs, sourced by them. `saida` is the output folder.

falhar() {
  echo "FAILED: $*"
  exit 1
}

# Starts a virtual X server on a free display (the server picks the number)
# and exports DISPLAY; its process is pid_x.
iniciar_x() {
  exec {fd_display}<> <(:)
  Xvfb -displayfd "$fd_display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
  pid_x=$!
  read -r -t 10 numero <&"$fd_display"
  export DISPLAY=":$numero"
  # The program goes to that server whatever platform the caller's shell
  # names (offscreen for the unit tests, wayland on a desktop).
  export QT_QPA_PLATFORM=xcb
}

# The program's main window: janela, and its X, Y, WIDTH and HEIGHT. Going
# full screen re-creates the window, so it is looked up each time.
geometria() {
  janela=$(xdotool search --sync --onlyvisible --name '^Quillet 6$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$janela")"
}

# The colour of a pixel of the window, as "r,g,b".
cor() {
  import -window root -crop "1x1+$((X + $1))+$((Y + $2))" -depth 8 txt:- | tail -1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Waits for a pixel to take (or, with "!", to leave) a colour: up to
# `espera` tenths of a second, 100 unless set.
esperar_cor() {
  local x=$1 y=$2 esperada=$3 negar=${4:-}
  for _ in $(seq "${espera:-100}"); do
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

# The runs of the program with its SWF engine, in private mount and network
# namespaces of their own: with a script's arguments (the program, the
# output folder) sets programa, saida and raiz, skips (status 77) where the
# machine cannot, and runs the script again inside the namespaces.
entrar_namespaces() {
  local nome script=$1
  nome=$(basename "$script" .sh)
  programa="$(realpath "$2")"
  saida="$(realpath -m "$3")"
  mkdir -p "$saida"
  raiz="$(cd "$(dirname "$script")/../.." && pwd)"
  if [[ $(id -u) -ne 0 ]] || ! command -v unshare ip python3 >/dev/null; then
    echo "$nome: needs root, unshare, ip and python3; skipped"
    exit 77
  fi
  if [[ ! -f "$(dirname "$programa")/ruffle/ruffle/ruffle.js" ]]; then
    echo "$nome: the SWF engine is not installed with this build; skipped"
    exit 77
  fi
  if [[ ${QUILLET_E2E_DENTRO:-} != 1 ]]; then
    QUILLET_E2E_DENTRO=1 exec unshare --mount --net --propagation private bash "$script" "$programa" "$saida"
  fi
}
