# Sourced by the scripts that run Windows programs. Two Wines, two builds:
#   win32  the 32-bit Wine in a win32 prefix runs the PE32 that ships
#          (build/windows, build/windows-tests);
#   win64  the 64-bit Wine in a win64 prefix runs the PE32+ test build of the
#          same sources (build/windows64, build/windows64-tests), for
#          machines whose kernel runs no 32-bit code.
#
#   demodisc_choose_wine <tool>   sets DEMODISC_ARCHES (the Wines this
#                                 machine can use, the PE32's first) and
#                                 DEMODISC_WHY; DEMODISC_WINE_ARCH=win32 or
#                                 win64 forces one
#   demodisc_trees <arch>         sets DEMODISC_PRODUCT_PRESET/_TREE and
#                                 DEMODISC_TESTS_PRESET/_TREE under $base
#   demodisc_one_exe <tool> <verb>
#                                 for the tools that run one exe: chooses the
#                                 Wine (the PE32's where it runs), says so,
#                                 sets arch and the trees
#   demodisc_start_xvfb           a virtual X server; exports DISPLAY
#   demodisc_wine_session <arch> [prefix-dir]
#                                 a prefix with a 1024x768 virtual desktop
#                                 (throwaway without a folder), used from
#                                 here on: exports WINEPREFIX, WINEARCH,
#                                 WINEDEBUG and the arch's loader
#   demodisc_fail <text>          one line on stderr, exit 1
# What a session started is ended when the sourcing shell exits.

demodisc_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
DEMODISC_WINE32=/usr/lib/wine/wine
DEMODISC_WINE64=/usr/lib/wine/wine64

demodisc_fail() {
  echo "$*" >&2
  exit 1
}

# True when this machine starts a 32-bit x86 program: a 96-byte static i386
# ELF that only exits with status 32. Kernels built or booted without IA-32
# emulation refuse it ("Exec format error"), and with it every i386 program,
# the 32-bit Wine included.
demodisc_runs_32bit() {
  local probe rc=0
  probe=$(mktemp "${TMPDIR:-/tmp}/demodisc-i386.XXXXXX")
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'`
    `'\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'`
    `'\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000'`
    `'\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010'`
    `'\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000'`
    `'\000\020\000\000\273\040\000\000\000\270\001\000\000\000\315\200' > "$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  [ "$rc" -eq 32 ]
}

demodisc_choose_wine() {
  local tool=$1
  case "${DEMODISC_WINE_ARCH:-}" in
    win32)
      demodisc_runs_32bit || demodisc_fail "$tool: DEMODISC_WINE_ARCH=win32 asks for the 32-bit" \
        "Wine, but this machine runs no 32-bit code (Exec format error): unset it to use the" \
        "PE32+ build under the 64-bit Wine"
      DEMODISC_ARCHES=win32
      DEMODISC_WHY="DEMODISC_WINE_ARCH=win32 chose the PE32 alone" ;;
    win64)
      DEMODISC_ARCHES=win64
      DEMODISC_WHY="DEMODISC_WINE_ARCH=win64 chose the PE32+ build alone" ;;
    '')
      if demodisc_runs_32bit; then
        DEMODISC_ARCHES="win32 win64"
        DEMODISC_WHY="this machine runs 32-bit code"
      else
        DEMODISC_ARCHES=win64
        DEMODISC_WHY="this machine runs no 32-bit code (a 32-bit program fails with" \
"Exec format error), so the 32-bit Wine cannot start"
      fi ;;
    *) demodisc_fail "$tool: DEMODISC_WINE_ARCH is '$DEMODISC_WINE_ARCH'; it takes win32 or win64," \
         "or is unset for what the machine runs" ;;
  esac
}

# The exe a Wine runs, in words.
demodisc_exe_name() {
  if [ "$1" = win32 ]; then echo "the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix)"
  else echo "the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix)"; fi
}

demodisc_trees() {
  local suffix=""
  [ "$1" = win64 ] && suffix=64
  DEMODISC_PRODUCT_PRESET=windows$suffix
  DEMODISC_PRODUCT_TREE=$base/windows$suffix
  DEMODISC_TESTS_PRESET=windows$suffix-tests
  DEMODISC_TESTS_TREE=$base/windows$suffix-tests
}

demodisc_one_exe() {
  demodisc_choose_wine "$1"
  arch=${DEMODISC_ARCHES%% *}
  echo "$1: $2 $(demodisc_exe_name "$arch"): $DEMODISC_WHY"
  demodisc_trees "$arch"
}

# Exports the environment under which `wine` is the given arch's Wine. The
# 64-bit loader is called by name: Debian's `wine` prefers the 32-bit one
# when it is installed, also where it cannot run.
demodisc_use_wine() {
  local loader=$DEMODISC_WINE32 package="wine32:i386"
  if [ "$1" = win64 ]; then loader=$DEMODISC_WINE64 package="wine64"; fi
  [ -x "$loader" ] || demodisc_fail "wine-env: $loader (package $package) is missing:" \
    "run tools/install-deps.sh as root"
  export WINEARCH=$1 WINEDEBUG=${WINEDEBUG:--all}
  if [ "$1" = win64 ]; then
    export WINELOADER=$loader
    case ":$PATH:" in *":$demodisc_tools/wine64:"*) ;; *) export PATH=$demodisc_tools/wine64:$PATH ;; esac
  fi
}

demodisc_start_xvfb() {
  local n
  command -v Xvfb >/dev/null || demodisc_fail "wine-env: Xvfb is missing: run tools/install-deps.sh as root"
  for n in $(seq 90 150); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    DEMODISC_XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e /tmp/.X11-unix/X$n ] && break
      sleep 0.1
    done
    export DISPLAY=:$n
    trap demodisc_end_session EXIT
    return 0
  done
  demodisc_fail "wine-env: no free X display among :90 to :150"
}

# Boots (or reuses) the prefix at $2 for arch $1, with the virtual desktop
# set, in a subshell: the caller's environment stays as it was.
demodisc_make_prefix() {
  local arch=$1 prefix=$2
  [ -f "$prefix/.demodisc-ready" ] && return 0
  (
    demodisc_use_wine "$arch"
    export WINEPREFIX=$prefix
    mkdir -p "$prefix"
    local rc=0 log=${TMPDIR:-/tmp}/demodisc-wineboot-$arch.log
    wine wineboot -i >"$log" 2>&1 || rc=$?
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || rc=$?
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 || rc=$?
    wineserver -w
    if [ $rc -ne 0 ] || [ ! -f "$prefix/system.reg" ]; then
      demodisc_fail "wine-env: the $arch prefix $prefix did not boot (status $rc, Wine's output" \
        "in $log): check that $(demodisc_exe_name "$arch" | sed 's/.* under the //') runs here"
    fi
    rm -f "$log"
    touch "$prefix/.demodisc-ready"
  )
}

# A throwaway prefix for arch $1 under /tmp, removed at exit; prints its path.
demodisc_throwaway_prefix() {
  local prefix
  prefix=$(mktemp -d "${TMPDIR:-/tmp}/demodisc-wine-$1.XXXXXX")
  DEMODISC_THROWAWAY_PREFIXES="${DEMODISC_THROWAWAY_PREFIXES:-} $prefix"
  trap demodisc_end_session EXIT
  demodisc_make_prefix "$1" "$prefix"
  DEMODISC_PREFIX=$prefix
}

# One persistent server for the prefix and its system processes (services,
# the desktop), started before anything is timed or tested: otherwise each
# program waits for a server of its own, and the system processes hold the
# first program's output pipes open.
demodisc_warm_prefix() {
  (
    demodisc_use_wine "$1"
    export WINEPREFIX=$2
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1
  )
  DEMODISC_STARTED_PREFIXES="${DEMODISC_STARTED_PREFIXES:-} $2"
  trap demodisc_end_session EXIT
}

demodisc_end_session() {
  local prefix
  for prefix in ${DEMODISC_STARTED_PREFIXES:-} ${WINEPREFIX:-}; do
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  done
  [ -n "${DEMODISC_XVFB_PID:-}" ] && kill "$DEMODISC_XVFB_PID" 2>/dev/null || true
  for prefix in ${DEMODISC_THROWAWAY_PREFIXES:-}; do rm -rf "$prefix"; done
}

demodisc_wine_session() {
  local arch=$1
  if [ -n "${2:-}" ]; then
    demodisc_make_prefix "$arch" "$2"
    DEMODISC_PREFIX=$2
  else
    demodisc_throwaway_prefix "$arch"
  fi
  demodisc_use_wine "$arch"
  export WINEPREFIX=$DEMODISC_PREFIX
  trap demodisc_end_session EXIT
}
