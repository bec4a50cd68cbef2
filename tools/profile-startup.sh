#!/usr/bin/env bash
# Prints DemoDisc's start-up profile on the sample disc under Wine: builds
# the profiling variant (DEMODISC_STARTUP_PROFILE, its own tree, never the
# product), starts it [runs] times and prints each phase's median time from
# CreateProcess and from the mark before it.
#   profile-startup.sh [runs] [dpi]   # default 15 runs at the prefix's 96 dpi
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
dpi=${2:-96}
"$root/tools/install-deps.sh"
. "$root/tools/wine-env.sh"
base=$(demodisc_build_dir)
demodisc_one_exe profile-startup.sh "profiling"
tree=$base/${DEMODISC_PRODUCT_PRESET}-profile
(cd "$root" && cmake --preset "$DEMODISC_PRODUCT_PRESET" -B "$tree" -DDEMODISC_STARTUP_PROFILE=ON >/dev/null)
cmake --build "$tree" -j"$(nproc)" --target DemoDisc startup_profile sample_disc >/dev/null

demodisc_start_xvfb
demodisc_wine_session "$arch"
demodisc_warm_prefix "$arch" "$WINEPREFIX"
if [ "$dpi" != 96 ]; then
  # The server is ended so that the next one starts at this resolution.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -k && wineserver -w
  demodisc_warm_prefix "$arch" "$WINEPREFIX"
fi
echo "== start-up profile of DemoDisc.exe on the sample disc ($runs starts at $dpi dpi, Wine, Xvfb)"
wine "$tree/bench/startup_profile.exe" "$runs" "$(winepath -w "$tree/disc")" DemoDisc.exe
