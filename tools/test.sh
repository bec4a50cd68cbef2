#!/usr/bin/env bash
# Builds the native core, DemoDisc.exe and every test, then runs all tests
# (native, and Windows-side under Wine in a virtual X server) in one ctest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"

build=${DEMODISC_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

. "$root/tools/wine-env.sh"
demodisc_start_xvfb
demodisc_wine_session
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600 "$@"
