# Sourced by the scripts that run Windows programs: a virtual X server and a
# throwaway 32-bit Wine prefix with a 1024x768 virtual desktop, both removed
# when the sourcing shell exits.
#   demodisc_wine_session [prefix-dir]
# exports DISPLAY, WINEPREFIX, WINEARCH and WINEDEBUG.

demodisc_start_xvfb() {
  local n
  for n in $(seq 90 150); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    DEMODISC_XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e /tmp/.X11-unix/X$n ] && break
      sleep 0.1
    done
    export DISPLAY=:$n
    return 0
  done
  echo "wine-env: no free X display" >&2
  return 1
}

# Creates (or reuses) a prefix at $1 with the virtual desktop set.
demodisc_make_prefix() {
  export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
  if [ ! -f "$WINEPREFIX/.demodisc-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.demodisc-ready"
  fi
}

demodisc_end_session() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${DEMODISC_XVFB_PID:-}" ] && kill "$DEMODISC_XVFB_PID" 2>/dev/null || true
  [ -n "${DEMODISC_THROWAWAY_PREFIX:-}" ] && rm -rf "$DEMODISC_THROWAWAY_PREFIX" || true
}

demodisc_wine_session() {
  if [ -n "${1:-}" ]; then
    demodisc_make_prefix "$1"
  else
    DEMODISC_THROWAWAY_PREFIX=$(mktemp -d /tmp/demodisc-wine.XXXXXX)
    demodisc_make_prefix "$DEMODISC_THROWAWAY_PREFIX"
  fi
  trap demodisc_end_session EXIT
}
