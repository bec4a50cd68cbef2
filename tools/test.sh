#!/usr/bin/env bash
# Builds the native core, DemoDisc.exe and every test, then runs all tests
# (native, and Windows-side under Wine in a virtual X server) in one ctest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"

build=${DEMODISC_BUILD_DIR:-$root/build}
# The native suite runs under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the fuzz targets (clang's libFuzzer) for a bounded time each.
(cd "$root" && cmake --preset native -B "$build" >/dev/null)
cmake --build "$build" -j"$(nproc)"

. "$root/tools/wine-env.sh"
demodisc_start_xvfb
demodisc_wine_session
# One Wine server for the whole run: the Windows-side tests take the display
# one at a time, and each would otherwise wait for a server of its own.
# Its system processes (services, the desktop) start here, away from the
# tests' output pipes, which they would otherwise hold open.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
cd "$build"
set +e
ctest --output-on-failure -j"$(nproc)" --timeout 600 "$@" 2>&1 | tee "$build/ctest.log"
rc=${PIPESTATUS[0]}
# The output ends with ctest's summary line.
grep -E '^[0-9]+% tests passed' "$build/ctest.log" | tail -n 1
exit "$rc"
