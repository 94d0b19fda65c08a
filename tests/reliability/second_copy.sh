#!/usr/bin/env bash
# A second copy started while the game runs ends at once and silently (exit 0,
# no sound device opened, nothing written, no output) and leaves the first
# running with its lock; a lock left by a copy killed with SIGKILL does not
# block the next start.   second_copy.sh BUILD_DIR
set -euo pipefail
bin=$1/kezora
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
fail() { echo "second_copy: FAILED: $*"; exit 1; }

mkdir -p "$work/tmp" "$work/app" "$work/xdg"
chmod 700 "$work/xdg"
cp "$bin" "$work/app/"
# A records file already there, so no question holds the start-up up.
printf 'Morel\r\n\r\n 400\r\nA\r\nB\r\nC\r\nD\r\n' > "$work/app/Kez.ini"
export TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/xdg QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk ASAN_OPTIONS=detect_leaks=0

lock() { ls "$TMPDIR" | grep -E '^kezora-[0-9]+\.lock$' | head -n 1; }
holder() { head -n 1 "$TMPDIR/$(lock)" 2>/dev/null; }
started() { # pid: the copy holds the lock and has opened its sound device
  for _ in $(seq 200); do
    [ -n "$(lock)" ] && [ "$(holder)" = "$1" ] && [ -e "$2" ] && return 0
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

SDL_DISKAUDIOFILE=$work/first.raw "$work/app/kezora" > "$work/first.log" 2>&1 &
first=$!; pids+=($first)
started $first "$work/first.raw" || fail "the first copy did not start"
ini_before=$(md5sum < "$work/app/Kez.ini")

for round in 1 2 3; do
  rc=0
  SDL_DISKAUDIOFILE=$work/second.raw timeout 60 "$work/app/kezora" > "$work/second.log" 2>&1 || rc=$?
  [ $rc -eq 0 ] || fail "second copy exit code $rc"
  [ ! -s "$work/second.log" ] || { cat "$work/second.log"; fail "second copy wrote output"; }
  [ ! -e "$work/second.raw" ] || fail "second copy opened a sound device"
  kill -0 $first 2>/dev/null || fail "the first copy ended"
  [ "$(holder)" = "$first" ] || fail "the lock no longer names the first copy"
done
[ "$(md5sum < "$work/app/Kez.ini")" = "$ini_before" ] || fail "the records file changed"
echo "second_copy: three second copies ended at once; the first runs on"

# Killed outright, the first leaves its lock behind; the next copy starts anyway.
kill -9 $first; { wait $first; } 2>/dev/null || true
[ -n "$(lock)" ] || fail "no stale lock was left to test with"
SDL_DISKAUDIOFILE=$work/third.raw "$work/app/kezora" > "$work/third.log" 2>&1 &
third=$!; pids+=($third)
started $third "$work/third.raw" || { cat "$work/third.log"; fail "a stale lock blocked the next start"; }
echo "second_copy: after a SIGKILL the next copy took the lock and runs"
kill -9 $third; { wait $third; } 2>/dev/null || true
