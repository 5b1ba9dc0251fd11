#!/bin/sh
# The game's command line and its start without a display: --help and --version answer on
# standard output with status 0; any other argument is refused on standard error with status 2;
# without a reachable display the game says so in one line and exits 1 at once.
set -eu
BIN="$1"
WORK=$(mktemp -d /tmp/tessaron-cli.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# run NAME ARGS...: the game's status in $status, its streams in $WORK/NAME.out and .err.
# No display of the machine's own session is reachable from here; $display is the only one.
display=""
run() {
  name=$1; shift
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ${display:+DISPLAY=$display} \
    XDG_RUNTIME_DIR="$WORK" SDL_AUDIODRIVER=dummy \
    timeout 10 "$BIN/tessaron" "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" || status=$?
}

# NAME ARGUMENTS(comma-separated) STATUS STREAM-THAT-SPEAKS TEXT-IT-HOLDS
while read -r name argument want stream text; do
  run "$name" $(echo "$argument" | tr , ' ')
  [ "$status" = "$want" ] || fail "$argument: status $status, not $want"
  other=out; [ "$stream" = out ] && other=err
  grep -qF -- "$text" "$WORK/$name.$stream" || fail "$argument: no '$text' on std$stream"
  [ ! -s "$WORK/$name.$other" ] || fail "$argument: std$other is not empty: $(cat "$WORK/$name.$other")"
done <<'CASES'
help --help 0 out --version
version --version 0 out tessaron 1.0.0
unknown --niveau 2 err Usage : tessaron
word niveau 2 err argument inattendu : niveau
late --help,--niveau 2 err option inconnue : --niveau
both --version,--help 0 out Usage : tessaron
CASES
echo "--help, --version and unknown arguments are answered"

# No DISPLAY at all, then a DISPLAY whose server is not there.
for display in "" ":$(( $$ % 500 + 500 ))"; do
  start=$(date +%s%N)
  run nodisplay
  elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  [ "$status" = 1 ] || fail "display '$display': status $status, not 1"
  [ "$(wc -l < "$WORK/nodisplay.err")" = 1 ] || fail "display '$display': not one line: $(cat "$WORK/nodisplay.err")"
  grep -q "aucun affichage trouvé" "$WORK/nodisplay.err" || fail "display '$display': $(cat "$WORK/nodisplay.err")"
  [ "$elapsed" -lt 2000 ] || fail "display '$display': took $elapsed ms"
  echo "display '$display': exit 1 after $elapsed ms: $(cat "$WORK/nodisplay.err")"
done
