#!/usr/bin/env bash
# Times --verify's read-back on Linux against sha256sum over the same files,
# in one run: a disc folder of the given size (default 500 MB: a few large
# clips, documents and many small texts), its DISC.SHA256, the files in the
# system's cache (warmed first), each command timed in turns, the medians
# compared. Builds the checker as tools/check-disc.sh does (Release, g++).
#   bench-verify.sh [MB] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mb=${1:-500} runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
disc=$work/disc
mkdir -p "$disc/Video" "$disc/Publication" "$disc/Hints"
printf 'MZ' > "$disc/DemoDisc.exe"
# 60 % in 6 clips, 35 % in 50 documents, the rest in 500 small texts.
for i in 1 2 3 4 5 6; do head -c $((mb * 100000)) /dev/urandom > "$disc/Video/clip$i.avi"; done
for i in $(seq 1 50); do head -c $((mb * 7000)) /dev/urandom > "$disc/Publication/doc$i.pdf"; done
for i in $(seq 1 500); do head -c $((mb * 100)) /dev/urandom > "$disc/Hints/text$i.txt"; done
(cd "$disc" && find . -type f -printf '%P\0' | LC_ALL=C sort -z | xargs -0 sha256sum --) > "$work/DISC.SHA256"
mv "$work/DISC.SHA256" "$disc/DISC.SHA256"
mapfile -t files < <(cd "$disc" && find . -type f ! -name DISC.SHA256 -printf '%P\n' | LC_ALL=C sort)
"$root/tools/check-disc.sh" --version >/dev/null
checker=${DEMODISC_BUILD_DIR:-$root/build}/check-disc/check_disc
[ -n "${DEMODISC_CHECK_DISC:-}" ] && checker=$DEMODISC_CHECK_DISC
cat "$disc"/*/* > /dev/null

# The seconds one command takes, its output thrown away.
seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
verify_times=() sum_times=()
for _ in $(seq 1 "$runs"); do
  verify_times+=("$(seconds "$checker" "$disc" --verify)")
  sum_times+=("$(cd "$disc" && seconds sha256sum -- "${files[@]}")")
done
verify=$(printf '%s\n' "${verify_times[@]}" | median)
summed=$(printf '%s\n' "${sum_times[@]}" | median)
bytes=$(du -sb --exclude=DISC.SHA256 "$disc" | cut -f1)
printf '%d files, %d bytes, %d runs each, medians:\n' "${#files[@]}" "$bytes" "$runs"
printf '  check_disc --verify %.3f s (%.0f MB/s)\n' "$verify" "$(echo "$bytes / $verify / 1000000" | bc -l)"
printf '  sha256sum           %.3f s (%.0f MB/s)\n' "$summed" "$(echo "$bytes / $summed / 1000000" | bc -l)"
printf '  ratio --verify / sha256sum: %.2f\n' "$(echo "$verify / $summed" | bc -l)"
