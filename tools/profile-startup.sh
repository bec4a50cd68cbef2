#!/usr/bin/env bash
# Prints DemoDisc's start-up profile on the sample disc under Wine: builds
# the profiling variant (DEMODISC_STARTUP_PROFILE, its own tree, never the
# product), starts it [runs] times and prints each phase's median time from
# CreateProcess and from the mark before it.
#   profile-startup.sh [runs]      # default 15
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
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
echo "== start-up profile of DemoDisc.exe on the sample disc ($runs starts, Wine, Xvfb)"
wine "$tree/bench/startup_profile.exe" "$runs" "$(winepath -w "$tree/disc")" DemoDisc.exe
