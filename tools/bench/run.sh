#!/usr/bin/env bash
# Runs every benchmark against the Release tree given (make bench):
# one line per target, "<name> target=<..> measured=<..> met|missed", with
# the spread (min-max, p99) beside the median. Starts an X server of its own.
set -uo pipefail
B=$(cd "${1:-build-bench}" && pwd)
work=$(mktemp -d)
game_pid=""; xvfb_pid=""
trap 'for p in $game_pid $xvfb_pid; do kill $p 2>/dev/null; done; rm -rf "$work"' EXIT

for n in $(seq 141 190); do
  [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] || { display=$n; break; }
done
Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export XDG_RUNTIME_DIR="$work/run"; mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# "median p99 min max" of numbers, one a line.
stats() { sort -g | awk '{v[NR]=$1} END {m=v[int((NR+1)/2)]; p=v[int(0.99*(NR-1)+1.5)]; print m, p, v[1], v[NR]}'; }
line() { # name target measured met extra
  echo "$1 target=$2 measured=$3 $([ "$4" = 1 ] && echo met || echo missed)${5:+ $5}"
}
le() { awk -v a="$1" -v b="$2" 'BEGIN {print (a <= b) ? 1 : 0}'; }

# 6, 2: composition and the ranking passes (no window needed).
QT_QPA_PLATFORM=offscreen "$B/kezora-bench-micro"
# 1, 2: in the real window.
"$B/kezora-bench-window" frames
"$B/kezora-bench-window" draw

# 5, 4: a whole 4-player tournament headless, CPU and peak RSS of the process.
printf 'players 4\nautoplay all\nstart\n' > "$work/t4.txt"
: > "$work/cpu"; : > "$work/rss"
for _ in $(seq 9); do
  /usr/bin/time -f '%U %S %M' -o "$work/one" "$B/kezora-sim" "$work/t4.txt" >/dev/null 2>&1
  awk '{print $1 + $2}' "$work/one" >> "$work/cpu"
  awk '{print $3 / 1024}' "$work/one" >> "$work/rss"
done
read -r m p lo hi < <(stats < "$work/cpu")
line sim_tournament_cpu 0.5s "${m}s" "$(le "$m" 0.5)" "min-max=$lo-${hi}s runs=9"
read -r m p lo hi < <(stats < "$work/rss")
line tournament_peak_rss 80MB "${m}MB" "$(le "$hi" 80)" "min-max=$lo-${hi}MB (kezora-sim, autoplay all, 4 players)"

# A fresh folder with the game and its files, no records file yet.
app="$work/app"; mkdir -p "$app" "$work/tmp"
cp "$B/kezora" "$B"/KEZ_* "$B/Kez.htm" "$app/"

# 3: processor time of the real game while it waits, 10 s in each wait.
TMPDIR="$work/tmp" "$app/kezora" > "$work/game.log" 2>&1 &
game_pid=$!
ticks() { awk '{sub(/.*\) /, ""); print $12 + $13}' "/proc/$game_pid/${1:-}stat"; }
hz=$(getconf CLK_TCK)
idle() { # name
  local a b ma mb
  a=$(ticks); ma=$(ticks "task/$game_pid/"); sleep 10; b=$(ticks); mb=$(ticks "task/$game_pid/")
  local pct; pct=$(awk -v d=$((b - a)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * d / hz / 10}')
  # The main thread apart: what the game's own waiting costs, without the
  # sound thread that synthesises the music.
  local main; main=$(awk -v d=$((mb - ma)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * d / hz / 10}')
  line "idle_cpu_$1" 1% "$pct%" "$(le "$pct" 1)" "ticks=$((b - a)) over 10s main_thread=$main%"
}
wait_window() { # name regexp, seconds
  local id=""
  for _ in $(seq $(( $2 * 10 ))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# The main thread blocked in the event loop (poll) for a whole two seconds:
# a button wait, not a pause (clock_nanosleep) or a step of the game.
wait_blocked() { # seconds at most
  local n=0
  for _ in $(seq $(( $1 * 10 ))); do
    case $(cut -d' ' -f1 "/proc/$game_pid/syscall" 2>/dev/null) in
      7|271) n=$((n + 1)) ;;
      *) n=0 ;;
    esac
    [ $n -ge 20 ] && return 0
    sleep 0.1
  done
  return 1
}
if q=$(wait_window '初期データーの作成' 30); then
  xdotool windowfocus --sync "$q" 2>/dev/null; sleep 0.3; xdotool key --clearmodifiers y
  sleep 0.5
  xdotool search --onlyvisible --name '初期データーの作成' >/dev/null 2>&1 && xdotool key Return
fi
title=$(wait_window '^ケゾラ Ver 1.05$' 20) && { sleep 1; idle title; }
eval "$(xdotool getwindowgeometry --shell "$title")"
xdotool mousemove $((X + 150)) $((Y + 150)) click 1
main=$(wait_window '^ケゾラ$' 20) && { sleep 1; idle main_window; }
eval "$(xdotool getwindowgeometry --shell "$main")"
top=$((Y + HEIGHT - 600)); left=$X
# GAME → バージョン
xdotool mousemove $((left + 25)) $((top - 10)) click 1; sleep 0.5
xdotool key Up; sleep 0.2; xdotool key Up; sleep 0.2; xdotool key Return
if info=$(wait_window '^バージョン$' 10); then
  sleep 1; idle info_panel
  xdotool windowfocus --sync "$info" 2>/dev/null; xdotool key Return; sleep 0.5
else
  line idle_cpu_info_panel 1% none 0 "the panel did not come up"
fi
xdotool mousemove $((left + 16 + 320 + 48)) $((top + 368 + 24)) click 1
if wait_blocked 30; then idle are_you_ready; else line idle_cpu_are_you_ready 1% none 0 "no wait"; fi
xdotool mousemove $((left + 8 + 240 + 136)) $((top + 8 + 64 + 24)) click 1; sleep 1
if wait_blocked 120; then idle press_key; else line idle_cpu_press_key 1% none 0 "no wait"; fi
echo "game_peak_rss_idle $(awk '/VmHWM/ {printf "%.1fMB", $2 / 1024}' "/proc/$game_pid/status") (the real game after one routine, for reference)"
kill $game_pid 2>/dev/null; wait $game_pid 2>/dev/null; game_pid=""

# 4: exec to the title window mapped, warm cache (one run first, not counted);
# the records file the game wrote above keeps the question away.
: > "$work/start"
for i in $(seq 0 9); do
  rm -f "$work/tmp"/*.lock
  ms=$(TMPDIR="$work/tmp" "$B/kezora-mapwait" "ケゾラ Ver 1.05" "$app/kezora" 2>/dev/null)
  [ "$i" -gt 0 ] && [ -n "$ms" ] && echo "$ms" >> "$work/start"
  sleep 0.3
done
read -r m p lo hi < <(stats < "$work/start")
line startup_to_title 300ms "${m}ms" "$(le "${m:-9999}" 300)" "min-max=$lo-${hi}ms runs=$(wc -l < "$work/start")"

