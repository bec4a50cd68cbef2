#!/usr/bin/env bash
# Builds DemoDisc.exe, lays out the sample disc and starts the program from
# the disc's root under Wine, in the project's own prefix. Without a display
# it runs in a virtual X server and saves a screenshot of the window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"

build=${DEMODISC_BUILD_DIR:-$root/build}
# The product's tree alone (the test command's native build may share $build).
. "$root/tools/windows-build.sh"
demodisc_build_product "$build/windows" DemoDisc
demodisc_build_product "$build/windows" sample_disc >/dev/null
disc=$build/windows/disc

. "$root/tools/wine-env.sh"
headless=0
if [ -z "${DISPLAY:-}" ]; then headless=1; demodisc_start_xvfb; fi
demodisc_wine_session "$build/wineprefix"

cd "$disc"
if [ $headless -eq 0 ]; then
  wine DemoDisc.exe
  exit 0
fi
wine DemoDisc.exe &
pid=$!
shot=$build/screenshot.png
for _ in $(seq 60); do
  sleep 0.5
  if xwininfo -root -tree 2>/dev/null | grep -q 'Wine desktop'; then break; fi
done
sleep 4
import -window root "$shot"
echo "The program runs in a virtual display; screenshot: $shot"
wineserver -k 2>/dev/null || true
wait $pid 2>/dev/null || true
