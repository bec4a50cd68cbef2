#!/usr/bin/env bash
# Runs the libFuzzer targets of the portable core for a set time (and at
# most a set number of executions), all at once, each from its committed
# corpus and with inputs up to its source's "fuzz-max-len"; then merges what
# it found into a minimized corpus in build/fuzz/<target>/merged, and prints
# executions, speed, coverage and findings per target. Crashing inputs are
# left in build/fuzz/<target>/ as crash-*. DEMODISC_FUZZ_REPLACE_CORPUS=1
# puts the merged corpus in place of the committed one.
#   fuzz.sh [minutes] [executions] [target...]
# (default: 10 minutes, no limit, every target; `fuzz.sh 30 10000000 text`
# runs the text target alone to 10 million executions.)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-10}
runs=${2:--1}
seconds=$(awk "BEGIN { print int($minutes * 60) }")
"$root/tools/install-deps.sh"
build=${DEMODISC_BUILD_DIR:-$root/build}
(cd "$root" && cmake --preset native -B "$build" >/dev/null)
targets=("${@:3}")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi
max_len() { sed -nE 's|^// fuzz-max-len: ([0-9]+)$|\1|p' "$root/tests/fuzz/$1_fuzz.cpp"; }
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}" >/dev/null

work=$build/fuzz
for t in "${targets[@]}"; do
  rm -rf "${work:?}/$t"
  mkdir -p "$work/$t/found"
  (cd "$work/$t" || exit; ASAN_OPTIONS=detect_leaks=1 "$build/tests/fuzz/${t}_fuzz" \
     -max_total_time="$seconds" -runs="$runs" -rss_limit_mb=2048 -max_len="$(max_len "$t")" \
     -print_final_stats=1 found "$root/tests/fuzz/corpus/$t" >log.txt 2>&1 || true) &
done
wait

printf '%-18s %14s %10s %6s %9s %9s %8s\n' target executions exec/s cov features corpus crashes
for t in "${targets[@]}"; do
  log=$work/$t/log.txt
  stat() { grep -E "^stat::$1:" "$log" | awk '{print $2}'; }
  done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1) || done_line=""
  cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$done_line")
  ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$done_line")
  crashes=$(find "$work/$t" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'leak-*' \
              -o -maxdepth 1 -name 'timeout-*' -o -maxdepth 1 -name 'oom-*' | wc -l)
  # The committed corpus and the new finds, minimized together.
  rm -rf "$work/$t/merged"
  mkdir -p "$work/$t/merged"
  "$build/tests/fuzz/${t}_fuzz" -merge=1 -max_len="$(max_len "$t")" "$work/$t/merged" \
    "$root/tests/fuzz/corpus/$t" "$work/$t/found" >"$work/$t/merge.txt" 2>&1
  if [ "${DEMODISC_FUZZ_REPLACE_CORPUS:-0}" = 1 ]; then
    rm -rf "$root/tests/fuzz/corpus/$t"
    cp -r "$work/$t/merged" "$root/tests/fuzz/corpus/$t"
  fi
  printf '%-18s %14s %10s %6s %9s %9s %8s\n' "$t" "$(stat number_of_executed_units)" \
    "$(stat average_exec_per_sec)" "${cov:-?}" "${ft:-?}" \
    "$(find "$work/$t/merged" -mindepth 1 -maxdepth 1 | wc -l)" "$crashes"
  grep -hE '^==[0-9]+==ERROR|SUMMARY:' "$log" | head -n 3 || true
done
