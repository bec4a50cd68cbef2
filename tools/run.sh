#!/usr/bin/env bash
# Starts DemoDisc.exe under Wine, in the project's own prefix, from the root
# of a disc folder: the one given, or else the sample disc, laid out anew.
# The program is the one at the folder's root, or this clone's build when
# the folder has none (or one this machine's Wine cannot run); nothing is
# written into the folder. Without a display it runs in a virtual X server
# and saves a screenshot of the window.
# Where the machine runs no 32-bit code (or DEMODISC_WINE_ARCH=win64), it
# starts the PE32+ test build of the same sources under the 64-bit Wine.
#   run.sh [disc-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -gt 1 ] || [[ ${1:-} == -* ]]; then
  echo "usage: run.sh [disc-folder]" >&2
  exit 2
fi
disc=${1:-}
if [ -n "$disc" ] && [ ! -d "$disc" ]; then
  echo "run.sh: $disc is no folder" >&2
  exit 1
fi
"$root/tools/install-deps.sh"

. "$root/tools/wine-env.sh"
base=$(demodisc_build_dir)
demodisc_one_exe run.sh "starting"

# The product's tree alone (the test command's native build may share $base).
. "$root/tools/windows-build.sh"
if [ -z "$disc" ]; then
  demodisc_build_product "$DEMODISC_PRODUCT_PRESET" "$DEMODISC_PRODUCT_TREE" DemoDisc sample_disc >/dev/null
  disc=$DEMODISC_PRODUCT_TREE/disc
  exe=DemoDisc.exe
elif [ "$(demodisc_pe_arch "$disc/DemoDisc.exe")" = "$arch" ]; then
  exe=DemoDisc.exe
  echo "run.sh: the disc's own DemoDisc.exe"
else
  exe=$DEMODISC_PRODUCT_TREE/DemoDisc.exe
  what="no DemoDisc.exe at its root"
  [ -f "$disc/DemoDisc.exe" ] && what="a DemoDisc.exe that this Wine does not run"
  echo "run.sh: the disc holds $what: starting this clone's build, $exe"
  demodisc_build_product "$DEMODISC_PRODUCT_PRESET" "$DEMODISC_PRODUCT_TREE" DemoDisc >/dev/null
fi

headless=0
if [ -z "${DISPLAY:-}" ]; then headless=1; demodisc_start_xvfb; fi
# One prefix per Wine: a win32 prefix cannot be turned into a win64 one.
prefix=$base/wineprefix
[ "$arch" = win64 ] && prefix=$base/wineprefix64
demodisc_wine_session "$arch" "$prefix"

cd "$disc"
if [ $headless -eq 0 ]; then
  wine "$exe"
  exit 0
fi
wine "$exe" >"$base/run.log" 2>&1 &
pid=$!
shot=$base/screenshot.png
for _ in $(seq 60); do
  sleep 0.5
  xwininfo -root -tree 2>/dev/null | grep -q 'Wine desktop' && break
  kill -0 $pid 2>/dev/null || break
done
sleep 4
if ! kill -0 $pid 2>/dev/null; then
  rc=0
  wait $pid || rc=$?
  demodisc_fail "run.sh: DemoDisc.exe ended at its start (status $rc, Wine's output in" \
    "$base/run.log): check that Wine runs a program there (wine cmd /c ver)"
fi
import -window root "$shot"
echo "The program runs in a virtual display; screenshot: $shot"
wineserver -k 2>/dev/null || true
wait $pid 2>/dev/null || true
