#!/usr/bin/env bash
# A fuzzing campaign on the records-file reader.
#   tools/fuzz/run.sh [RUNS]      (default 1000000 executions)
# Builds build-fuzz/ with clang (libFuzzer, ASan, UBSan), writes the seed
# corpus, runs, and copies any input that broke something into
# tests/reliability/fuzz-regressions/, which make test replays.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-1000000}
bld=$root/build-fuzz
cmake -S "$root" -B "$bld" -DKEZORA_FUZZ=ON -DKEZORA_WERROR=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
nice cmake --build "$bld" -j2 --target fuzz_settings
corpus=$bld/corpus
python3 "$root/tools/fuzz/make_seeds.py" "$corpus"
mkdir -p "$bld/artifacts"
status=0
# One worker; a hang is anything slower than five seconds; inputs up to 64 kB.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  nice "$bld/fuzz_settings" -runs="$runs" -timeout=5 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$bld/artifacts/" "$corpus" 2>&1 | tee "$bld/last-run.log" || status=$?
found=0
for f in "$bld"/artifacts/*; do
  [ -e "$f" ] || continue
  cp "$f" "$root/tests/reliability/fuzz-regressions/$(basename "$f")"
  found=$((found + 1))
done
grep -E '^stat::number_of_executed_units' "$bld/last-run.log" || true
echo "fuzz: exit $status, $found new fault input(s) kept under tests/reliability/fuzz-regressions/"
exit $status
