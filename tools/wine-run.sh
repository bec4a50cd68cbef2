#!/usr/bin/env bash
# The tests' emulator: runs one Windows program under Wine. The test command
# sets up one display and one prefix for the whole run; run on its own, this
# makes a session of its own.
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  . "$(dirname "$0")/wine-env.sh"
  [ -n "${DISPLAY:-}" ] || demodisc_start_xvfb
  demodisc_wine_session "${TMPDIR:-/tmp}/demodisc-wine-$(id -u)"
  trap - EXIT
  rc=0
  wine "$@" || rc=$?
  [ -n "${DEMODISC_XVFB_PID:-}" ] && { wineserver -k 2>/dev/null || true; kill "$DEMODISC_XVFB_PID"; }
  exit $rc
fi
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
