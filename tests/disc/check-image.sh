#!/usr/bin/env bash
# Lays out the sample disc with the given exe, builds its image and checks
# that the image (read through its Joliet tree) holds exactly the expected
# folders and files. The disc check's only errors on the sample are its
# stand-ins for the video player and the reader installer, which a disc to
# burn must replace by the real programs: the image is built all the same
# (--force), for its layout.
#   check-image.sh DemoDisc.exe expected-image.txt work-dir
set -euo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
exe=$1 expected=$2 work=$3
mkdir -p "$work"
"$tools/make-sample-disc.sh" "$work/disc" "$exe" >/dev/null
status=0
report=$("$tools/check-disc.sh" "$work/disc") || status=$?
stand_ins=$(printf '%s\n' "$report" | grep -c "is the sample's stand-in for .*: put the real" || true)
if [ "$status" -ne 1 ] || [ "$stand_ins" -ne 2 ] ||
   ! printf '%s\n' "$report" | grep -q '^2 errors, 0 warnings'; then
  printf '%s\n' "$report" >&2
  echo "the sample's check should end with 1, its two stand-ins its only errors (status $status)" >&2
  exit 1
fi
"$tools/make-disc-image.sh" "$work/disc.iso" "$work/disc" --force >/dev/null
xorriso -read_fs norock -joliet on -indev "$work/disc.iso" -find / 2>/dev/null |
  sed "s/^'//; s/'\$//" | LC_ALL=C sort > "$work/listing.txt"
if ! diff -u "$expected" "$work/listing.txt"; then
  echo "the image's layout differs from $expected" >&2
  exit 1
fi
# The autorun file starts the program and names its icon.
osirrox -indev "$work/disc.iso" -extract /autorun.inf "$work/autorun.inf" >/dev/null 2>&1
grep -q '^open=DemoDisc.exe' "$work/autorun.inf"
grep -q '^icon=DemoDisc.exe,0' "$work/autorun.inf"
grep -q '^label=' "$work/autorun.inf"
echo "image layout: $(wc -l < "$work/listing.txt") entries as expected"
