#!/usr/bin/env bash
# The real game in a real X server, played with the mouse and keys:
# a fresh folder, the records question answered Yes, the title clicked,
# START, Are You Ready?, some presses, the judges, Game Over, and the
# records file with its seven lines.
set -euo pipefail
game_dir=$1
work=$(mktemp -d)
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
game_pid=""; xvfb_pid=""

say() { echo "smoke: $*"; }
fail() { say "FAILED: $*"; [ -n "${DISPLAY:-}" ] && import -window root "$work/failed.png" 2>/dev/null && cp "$work/failed.png" /tmp/kezora-smoke-failed.png; exit 1; }

. "$(dirname "$0")/x11.sh"
start_x_server "$work" || fail "no X server"

# A fresh folder with the game and its files, and no records file yet.
app="$work/app"
mkdir -p "$app"
cp "$game_dir/kezora" "$game_dir"/KEZ_* "$game_dir/Kez.htm" "$app/"
# Its own temporary folder: a copy of the game running elsewhere holds the lock there.
mkdir -p "$work/tmp"
TMPDIR="$work/tmp" SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 "$app/kezora" > "$work/game.log" 2>&1 &
game_pid=$!

question=$(wait_window '初期データーの作成' 30) || fail "the records question did not come up"
say "records question"
xdotool windowfocus --sync "$question" 2>/dev/null || true
sleep 0.3
xdotool key --clearmodifiers y || true
sleep 0.5
if xdotool search --onlyvisible --name '初期データーの作成' >/dev/null 2>&1; then
  xdotool key Return
fi

title=$(wait_window '^ケゾラ Ver 1.05$' 20) || fail "no title window"
say "title window"
eval "$(xdotool getwindowgeometry --shell "$title")"
xdotool mousemove $((X + 150)) $((Y + 150)) click 1

main=$(wait_window '^ケゾラ$' 20) || fail "no main window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
top=$((Y + HEIGHT - 600)) # the board lies below the menu bar
left=$X
say "main window at $left,$top"
[ -f "$app/Kez.ini" ] || fail "Kez.ini was not created"

pixel() { import -window root -crop 1x1+$1+$2 -depth 8 txt:- 2>/dev/null | tail -n 1 | grep -o '#[0-9A-F]\{6\}' | head -n 1; }
# The setup panel shows the START picture; during a tournament the message line lies there.
start_x=$((left + 16 + 320 + 48)); start_y=$((top + 368 + 24))
idle_colour=$(pixel $start_x $start_y)
say "START colour $idle_colour"

xdotool mousemove $start_x $start_y click 1
button_x=$((left + 8 + 240 + 136)); button_y=$((top + 8 + 64 + 24))
sleep 1.5
ran=no
for i in $(seq 120); do
  # Are You Ready? and Press Key! sit at the same place; a click there with
  # neither shown is a hand press on the arena.
  xdotool mousemove $button_x $button_y click 1
  if [ $i -eq 4 ]; then xdotool key z; sleep 0.3; xdotool key x; fi
  sleep 0.7
  now=$(pixel $start_x $start_y)
  if [ "$now" != "$idle_colour" ]; then ran=yes; fi
  if [ $ran = yes ] && [ "$now" = "$idle_colour" ]; then
    say "back to the idle window after $i presses"
    break
  fi
  kill -0 $game_pid 2>/dev/null || fail "the game ended by itself"
done
[ $ran = yes ] || fail "the tournament never started"
[ "$(pixel $start_x $start_y)" = "$idle_colour" ] || fail "the tournament did not end in Game Over"

# GAME → 終了: the game ends cleanly and the file has its seven lines.
xdotool mousemove $((left + 25)) $((top - 10)) click 1
sleep 0.6
xdotool key Up
sleep 0.2
xdotool key Return
for _ in $(seq 100); do kill -0 $game_pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $game_pid 2>/dev/null; then fail "the game did not end when its window closed"; fi
wait $game_pid && rc=0 || rc=$?
game_pid=""
[ $rc -eq 0 ] || { cat "$work/game.log"; fail "exit code $rc"; }
lines=$(grep -c $'\r$' "$app/Kez.ini" || true)
[ "$lines" -eq 7 ] || { od -c "$app/Kez.ini" | head; fail "Kez.ini has $lines lines"; }
say "Kez.ini:"; iconv -f SHIFT_JIS -t UTF-8 "$app/Kez.ini" | tr -d '\r' | sed 's/^/  | /'
say "passed"
