#!/usr/bin/env bash
# Takes the README's screenshots of the five pages (docs/screenshot-*.png),
# and of the main window drawn at 120, 144 and 192 dpi
# (docs/screenshot-<dpi>dpi.png): the program on the sample disc under Wine in
# a virtual X server.
#   screenshots.sh [out-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
"$root/tools/install-deps.sh"
. "$root/tools/wine-env.sh"
base=$(demodisc_build_dir)
demodisc_one_exe screenshots.sh "taking the screenshots of"
build=$DEMODISC_PRODUCT_TREE tests=$DEMODISC_TESTS_TREE
. "$root/tools/windows-build.sh"
demodisc_build_product "$DEMODISC_PRODUCT_PRESET" "$build" DemoDisc player_stand_in \
  installer_stand_in >/dev/null
demodisc_build_tests "$DEMODISC_TESTS_PRESET" "$tests" "$build/DemoDisc.exe" window_probe >/dev/null

# As large as the largest desktop of the shots at a resolution.
demodisc_start_xvfb 2560x1600
demodisc_wine_session "$arch"
python3 "$root/tests/e2e/screenshots.py" "$build/DemoDisc.exe" "$tests/tests-bin" \
  "$root/tools/make-sample-disc.sh" "$base/screenshots" "$out"
python3 "$root/tests/e2e/drawn_at_scale.py" "$build/DemoDisc.exe" "$tests/tests-bin" \
  "$root/tools/make-sample-disc.sh" "$base/screenshots-scaled" "$out"
