#!/usr/bin/env bash
# Takes the README's screenshots of the five pages (docs/screenshot-*.png):
# the program on the sample disc under Wine in a virtual X server.
#   screenshots.sh [out-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
"$root/tools/install-deps.sh"
base=${DEMODISC_BUILD_DIR:-$root/build}
build=$base/windows tests=$base/windows-tests
. "$root/tools/windows-build.sh"
demodisc_build_product "$build" DemoDisc >/dev/null
demodisc_build_tests "$tests" "$build/DemoDisc.exe" window_probe >/dev/null

. "$root/tools/wine-env.sh"
demodisc_start_xvfb
demodisc_wine_session
python3 "$root/tests/e2e/screenshots.py" "$build/DemoDisc.exe" "$tests/tests-bin" \
  "$root/tools/make-sample-disc.sh" "$base/screenshots" "$out"
