#!/usr/bin/env bash
# Builds the native core, DemoDisc.exe and every test, then runs all tests
# (native, and Windows-side under Wine in a virtual X server) in one ctest run.
# Where the machine runs 32-bit code, the PE32 runs under the 32-bit Wine and
# the PE32+ test build under the 64-bit Wine; where it runs none, only the
# latter, and the PE32's suite is reported as skipped. DEMODISC_WINE_ARCH
# (win32 or win64) forces one of the two.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"

. "$root/tools/wine-env.sh"
base=$(demodisc_build_dir)
demodisc_choose_wine test.sh installed
suites=$(IFS=';'; echo "${DEMODISC_ARCHES[*]}")
for arch in win32 win64; do
  if demodisc_has_arch "$arch"; then
    echo "test.sh: testing $(demodisc_exe_name "$arch"): $DEMODISC_WHY"
  else
    echo "test.sh: not testing $(demodisc_exe_name "$arch"), reported as skipped: $DEMODISC_WHY"
  fi
done
echo "test.sh: the PE32 itself is built and checked without running it (imports, delay loads," \
  "entry point, resources)"

# The native suite runs under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the fuzz targets (clang's libFuzzer) for a bounded time each.
(cd "$root" && cmake --preset native -B "$base" -DDEMODISC_WINDOWS_SUITES="$suites" \
  -DDEMODISC_SKIPPED_WHY="$DEMODISC_WHY" >/dev/null)
cmake --build "$base" -j"$(nproc)"

# One display, and one prefix and persistent Wine server for each suite: the
# Windows-side tests take the display one at a time (tools/wine-run.sh).
demodisc_start_xvfb
for arch in "${DEMODISC_ARCHES[@]}"; do
  demodisc_throwaway_prefix "$arch"
  demodisc_warm_prefix "$arch" "$DEMODISC_PREFIX"
  export "DEMODISC_WINEPREFIX_$arch=$DEMODISC_PREFIX"
done
cd "$base"
set +e
ctest --output-on-failure -j"$(nproc)" --timeout 600 "$@" 2>&1 | tee "$base/ctest.log"
rc=${PIPESTATUS[0]}
for arch in win32 win64; do
  demodisc_has_arch "$arch" || echo "test.sh: $arch.Suite skipped: $DEMODISC_WHY"
done
# The output ends with ctest's summary line.
grep -E '^[0-9]+% tests passed' "$base/ctest.log" | tail -n 1
exit "$rc"
