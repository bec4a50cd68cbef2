#!/usr/bin/env bash
# The tests' emulator: runs a Windows program under the given arch's Wine
# (tools/wine-env.sh), in the prefix that the test command made for it
# (DEMODISC_WINEPREFIX_<arch>) and its display.
#   wine-run.sh <win32|win64> <program.exe> [args]
#   wine-run.sh <win32|win64> -- <command> [args]   the command itself, in that Wine's environment
# Run on its own, without the test command, it makes a session of its own:
# an X server of its own when there is no display, and the prefix
# build/wineprefix-run-<arch> of this clone.
set -euo pipefail
arch=$1
shift
. "$(dirname "$0")/wine-env.sh"
run=(wine "$@")
if [ "${1:-}" = "--" ]; then shift; run=("$@"); fi
prefix_var=DEMODISC_WINEPREFIX_$arch
if [ -n "${!prefix_var:-}" ] && [ -n "${DISPLAY:-}" ]; then
  demodisc_use_wine "$arch"
  export WINEPREFIX=${!prefix_var}
  exec "${run[@]}"
fi
[ -n "${DISPLAY:-}" ] || demodisc_start_xvfb
demodisc_wine_session "$arch" "$(demodisc_build_dir)/wineprefix-run-$arch"
export "$prefix_var=$WINEPREFIX"
"${run[@]}"
