#!/usr/bin/env bash
# The real game in an X server of its own, ended with GAME → 終了 at a
# random moment after START (a routine, its judging, the ranking): the
# process ends with exit code 0 and nothing from the sanitizers.
#   exit_real.sh BUILD_DIR [RUNS [SEED]]
set -euo pipefail
build=$1
runs=${2:-3}
RANDOM=${3:-7}
work=$(mktemp -d)
game_pid=""; xvfb_pid=""
trap 'kill -9 $game_pid 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "exit_real: FAILED: $*"; [ -f "$work/game.log" ] && tail -n 30 "$work/game.log"; exit 1; }

. "$(dirname "$0")/../e2e/x11.sh"
start_x_server "$work" || fail "no X server"
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$work/app" "$work/tmp"
cp "$build/kezora" "$build"/KEZ_* "$work/app/"
for run in $(seq "$runs"); do
  printf 'Morel\r\n\r\n 400\r\nA\r\nB\r\nC\r\nD\r\n' > "$work/app/Kez.ini"
  TMPDIR=$work/tmp "$work/app/kezora" > "$work/game.log" 2>&1 &
  game_pid=$!
  title=$(wait_window '^ケゾラ Ver 1.05$' 30) || fail "no title window"
  eval "$(xdotool getwindowgeometry --shell "$title")"
  xdotool mousemove $((X + 150)) $((Y + 150)) click 1
  main=$(wait_window '^ケゾラ$' 20) || fail "no main window"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  top=$((Y + HEIGHT - 600)); left=$X
  xdotool mousemove $((left + 16 + 320 + 48)) $((top + 368 + 24)) click 1   # START
  sleep 1.5
  xdotool mousemove $((left + 8 + 240 + 136)) $((top + 8 + 64 + 24)) click 1 # Are You Ready?
  # Somewhere in the greeting, the routine, the judges or the ranking.
  delay_ms=$(( 500 + RANDOM % 20000 ))
  sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
  kill -0 $game_pid 2>/dev/null || fail "the game ended by itself"
  xdotool mousemove $((left + 25)) $((top - 10)) click 1   # GAME
  sleep 0.6
  xdotool key Up
  sleep 0.2
  xdotool key Return                                        # 終了
  for _ in $(seq 100); do kill -0 $game_pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $game_pid 2>/dev/null && fail "run $run: still running after 終了 at +${delay_ms} ms"
  rc=0; wait $game_pid || rc=$?
  game_pid=""
  [ $rc -eq 0 ] || fail "run $run: exit code $rc after 終了 at +${delay_ms} ms"
  if grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:' "$work/game.log"; then fail "run $run: sanitizer report"; fi
  lines=$(grep -c $'\r$' "$work/app/Kez.ini" || true)
  [ "$lines" -eq 7 ] || fail "run $run: Kez.ini has $lines lines"
  echo "exit_real: run $run: 終了 at +${delay_ms} ms after Are You Ready?: exit 0"
done
echo "exit_real: passed ($runs runs)"
