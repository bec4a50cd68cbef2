#!/usr/bin/env bash
# Runs the benchmarks and prints their figures, each against a baseline
# measured in the same run:
#   - start-up (window visible, ready for input) and peak working set of
#     DemoDisc.exe on the sample disc against a bare Win32 program that opens
#     and paints one empty window (the floor), against the floor loading
#     common controls 6 with DemoDisc's manifest (floor_cc6), and against that
#     with the 46 child windows of the main window's specified tree, labels
#     and picture included (floor_children): the costs that are Wine's own;
#     at 96 dpi, then again at 144 dpi, where the windows are drawn at 150 %;
#   - the windows under the main window and the process's GDI objects once
#     every page was painted;
#   - a description shown on hover, 4 KB and 1 MB, against the same text set
#     straight into the memo;
#   - loading the publication list, the sample list against one of 100,000
#     lines;
#   - the size of DemoDisc.exe.
#   bench.sh [runs]
# DEMODISC_BENCH_COMPARE=<another DemoDisc.exe> adds that exe to the start-up
# runs as DemoDisc_compared.exe (an earlier build, say), so that a change is
# measured against the program before it in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
"$root/tools/install-deps.sh"
. "$root/tools/wine-env.sh"
demodisc_one_exe bench.sh "measuring"
build=$DEMODISC_PRODUCT_TREE tests=$DEMODISC_TESTS_TREE
. "$root/tools/windows-build.sh"
demodisc_build_product "$DEMODISC_PRODUCT_PRESET" "$build" DemoDisc floor floor_cc6 floor_children \
  startup_bench sample_disc >/dev/null
demodisc_build_tests "$DEMODISC_TESTS_PRESET" "$tests" "$build/DemoDisc.exe" win32_tests >/dev/null

demodisc_start_xvfb
demodisc_wine_session "$arch"
# One server for the whole run, started and warmed before any timing.
demodisc_warm_prefix "$arch" "$WINEPREFIX"
disc=$build/disc
floors=(floor.exe floor_cc6.exe floor_children.exe)
for f in "${floors[@]}"; do cp "$build/bench/$f" "$disc/$f"; done
if [ -n "${DEMODISC_BENCH_COMPARE:-}" ]; then
  cp "$DEMODISC_BENCH_COMPARE" "$disc/DemoDisc_compared.exe"
  floors+=(DemoDisc_compared.exe)
fi
# The start-up runs of DemoDisc.exe and the floors, in the disc's folder.
startup_runs() {
  wine "$build/bench/startup_bench.exe" "$runs" "$(winepath -w "$disc")" DemoDisc.exe "${floors[@]}"
}
echo "== start-up: window visible, and ready for input ($runs runs each, Wine, Xvfb)"
startup_runs
# The same at 144 dpi, where the program is DPI aware and draws its windows
# at 150 %: the throwaway prefix's resolution is set, and the server ended so
# that the next one starts with it, then warmed again before timing.
echo "== start-up at 144 dpi ($runs runs each)"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -k && wineserver -w
demodisc_warm_prefix "$arch" "$WINEPREFIX"
startup_runs
for f in "${floors[@]}"; do rm -f "$disc/$f"; done
echo "== description on hover, and the publication list's loading"
(cd "$tests/tests-bin" &&
  DEMODISC_SAMPLE_LIST=$(winepath -w "$disc/Publication/vortan_lit.txt") \
  wine win32_tests.exe --gtest_also_run_disabled_tests \
    --gtest_filter='*DISABLED_Benchmark*' | grep -E '^(description|publication list|main window objects)')
echo "== size"
printf 'DemoDisc.exe %d bytes, floor.exe %d bytes\n' "$(stat -c %s "$disc/DemoDisc.exe")" \
  "$(stat -c %s "$build/bench/floor.exe")"
