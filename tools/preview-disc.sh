#!/usr/bin/env bash
# Shows what a visitor will see on a disc before it is burnt: drives
# DemoDisc.exe on the disc folder under Wine, in a virtual X server and a
# throwaway prefix of its own, and writes <out-folder>/index.html with its
# pictures: each page as it opens, each catalogue item's description in its
# memo with the pointer on the item, the entry under the publication grid
# with each row selected, every message box on the way, and beside them the
# disc check's findings (tools/check-disc.sh), errors first.
#   preview-disc.sh <disc-folder> <out-folder>
# Reads the disc folder only. Writes only into <out-folder>, which must be
# new, empty or a preview it wrote before (its list of files there,
# .demodisc-preview, says so); that preview is replaced once the new one is
# whole. The exe is this clone's build: the PE32 under the 32-bit Wine where
# the machine runs 32-bit code, else the PE32+ build under the 64-bit Wine
# (tools/wine-env.sh). DEMODISC_PREVIEW_EXE and DEMODISC_PREVIEW_PROBE (the
# folder of the tests' window_probe.exe) name a build to use instead of
# building one; DEMODISC_CHECK_DISC names the checker.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
me=preview-disc.sh
marker=.demodisc-preview
marker_head="# The preview of a disc that tools/preview-disc.sh wrote: its files, which it replaces."

usage() {
  echo "usage: $me <disc-folder> <out-folder>" >&2
  echo "  writes <out-folder>/index.html: what a visitor sees on the disc, with the disc" \
    "check's findings; <out-folder> is new, empty or a preview written before" >&2
  exit 2
}
if [ $# -ne 2 ] || [ -z "$1" ] || [ -z "$2" ]; then usage; fi
for arg in "$1" "$2"; do
  case $arg in -*) usage ;; esac
done
disc=$1
out=${2%/}
out=${out:-/}

. "$root/tools/wine-env.sh"

[ -d "$disc" ] || demodisc_fail "$me: $disc is no folder"
disc_real=$(realpath -- "$disc")
out_real=$(realpath -m -- "$out")
case $out_real/ in
  "$disc_real"/*) demodisc_fail "$me: $out is inside the disc folder $disc, which the preview" \
    "must leave as it is: choose an out-folder outside it" ;;
esac

# The entries of a folder, one a line as ./<path>, sorted.
entries() { (cd "$1" && find . -mindepth 1 | LC_ALL=C sort); }
nonempty() { grep . || true; }
# The entries that a preview written before lists (nothing when there is none).
listed() { if [ -f "$out/$marker" ]; then tail -n +2 "$out/$marker" | LC_ALL=C sort; fi; }
if [ -e "$out" ] && [ ! -d "$out" ]; then
  demodisc_fail "$me: $out is no folder; it is left as it is"
fi
if [ -d "$out" ] && [ -n "$(entries "$out")" ]; then
  foreign=""
  if [ "$(head -n 1 "$out/$marker" 2>/dev/null)" = "$marker_head" ]; then
    foreign=$(comm -23 <(entries "$out" | grep -vx "./$marker") <(listed) | head -n 1)
  else
    foreign=$(entries "$out" | head -n 1)
  fi
  if [ -n "$foreign" ]; then
    demodisc_fail "$me: $out holds what is not a preview's (${foreign#./}, ...); it is left as" \
      "it is: choose a new or empty folder"
  fi
fi

demodisc_run_temp preview
work=$DEMODISC_RUN_TEMP
rc=0
"$root/tools/check-disc.sh" "$disc" --json >"$work/check.json" 2>"$work/check.err" || rc=$?
# What the report says of the folder, or nothing when there is no report.
report() {
  python3 -c 'import json, sys; print(json.load(open(sys.argv[1], encoding="utf-8"))[sys.argv[2]])' \
    "$work/check.json" "$1" 2>/dev/null || true
}
case $rc in
  0 | 1) ;;
  2)
    why=$(report not_disc)
    demodisc_fail "$me: $disc is no disc: ${why:-$(head -n 1 "$work/check.err")}" ;;
  *) demodisc_fail "$me: the disc check failed (status $rc): $(head -n 1 "$work/check.err")" ;;
esac

demodisc_one_exe "$me" "showing the disc with"
if [ -n "${DEMODISC_PREVIEW_EXE:-}" ]; then
  exe=$DEMODISC_PREVIEW_EXE
  probe_dir=${DEMODISC_PREVIEW_PROBE:?DEMODISC_PREVIEW_EXE needs DEMODISC_PREVIEW_PROBE}
else
  "$root/tools/install-deps.sh"
  . "$root/tools/windows-build.sh"
  log=$(demodisc_build_dir)/preview-build.log
  mkdir -p "${log%/*}"
  exe=$DEMODISC_PRODUCT_TREE/DemoDisc.exe
  probe_dir=$DEMODISC_TESTS_TREE/tests-bin
  if ! {
    demodisc_build_product "$DEMODISC_PRODUCT_PRESET" "$DEMODISC_PRODUCT_TREE" DemoDisc &&
      demodisc_build_tests "$DEMODISC_TESTS_PRESET" "$DEMODISC_TESTS_TREE" "$exe" window_probe
  } >"$log" 2>&1; then
    demodisc_fail "$me: DemoDisc.exe or the window probe did not build; the output is in $log"
  fi
fi
version_file=$(dirname "$exe")/generated/base/version.h
version=$(sed -n 's/^#define DEMODISC_VERSION_TEXT "\(.*\)"$/\1/p' "$version_file" 2>/dev/null || true)
[ -n "$version" ] || demodisc_fail "$me: the version of $exe is unknown: $version_file is missing"

started=$(date +%s)
# Twice as high as the prefix's 1024x768 desktop: the X server starts the
# pointer at its centre, which is then below the desktop, so that no
# catalogue button is hot when the program opens.
demodisc_start_xvfb 1024x1536
demodisc_wine_session "$arch"
stage=$work/preview
mkdir -p "$stage/pictures" "$work/driver"
if ! python3 "$root/tools/preview/drive_program.py" "$exe" "$probe_dir" "$disc_real" "$work/check.json" \
  "$stage/pictures" "$work/driver" "$work/shots.json" >"$work/driver.log" 2>&1; then
  demodisc_fail "$me: $(grep -v '^$' "$work/driver.log" | tail -n 1)"
fi
python3 "$root/tools/preview/write_page.py" "$work/check.json" "$work/shots.json" "$version" \
  "$(demodisc_exe_name "$arch")" "$stage/index.html"

# Into the out-folder: first a list that names the old preview's files and
# the new ones, so that the folder is recognised whatever happens next; then
# the old files out, the new in, and the list of the new ones alone.
mkdir -p "$out"
old=$(listed)
new=$(entries "$stage")
{ echo "$marker_head"; printf '%s\n' "$old" "$new" | nonempty | LC_ALL=C sort -u; } >"$out/$marker"
printf '%s\n' "$old" | nonempty | LC_ALL=C sort -r | while read -r entry; do
  if [ -d "$out/$entry" ]; then rmdir -- "$out/$entry"; else rm -f -- "$out/$entry"; fi
done
mv -- "$stage/index.html" "$stage/pictures" "$out/"
{ echo "$marker_head"; printf '%s\n' "$new"; } >"$out/$marker"
echo "$me: $out/index.html ($(find "$out/pictures" -name '*.png' | wc -l) pictures," \
  "$(($(date +%s) - started)) s)"
