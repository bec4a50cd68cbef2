# shellcheck shell=bash
# Sourced by the scripts that run Windows programs. Two Wines, two builds:
#   win32  the 32-bit Wine in a win32 prefix runs the PE32 that ships
#          (build/windows, build/windows-tests);
#   win64  the 64-bit Wine in a win64 prefix runs the PE32+ test build of the
#          same sources (build/windows64, build/windows64-tests), for
#          machines whose kernel runs no 32-bit code.
#
#   demodisc_choose_wine <tool>   sets DEMODISC_ARCHES (an array: the Wines
#                                 this machine can use, the PE32's first) and
#                                 DEMODISC_WHY; DEMODISC_WINE_ARCH=win32 or
#                                 win64 forces one
#   demodisc_has_arch <arch>      true when DEMODISC_ARCHES holds it
#   demodisc_trees <arch>         sets DEMODISC_PRODUCT_PRESET/_TREE and
#                                 DEMODISC_TESTS_PRESET/_TREE in the build
#                                 folder (demodisc_build_dir)
#   demodisc_one_exe <tool> <verb>
#                                 for the tools that run one exe: chooses the
#                                 Wine (the PE32's where it runs), says so,
#                                 sets arch and the trees
#   demodisc_start_xvfb [WxH]     a virtual X server of this run (1024x768
#                                 unless given); exports DISPLAY
#   demodisc_wine_session <arch> [prefix-dir]
#                                 a prefix with a 1024x768 virtual desktop
#                                 (throwaway without a folder), used from
#                                 here on: exports WINEPREFIX, WINEARCH,
#                                 WINEDEBUG and the arch's loader and server
#   demodisc_pe_arch <file>       win32 for a PE32 of i386, win64 for a PE32+
#                                 of x86-64, nothing for any other file
#   demodisc_fail <text>          one line on stderr, exit 1
#
# What a run started (its X server, the Wine servers of its prefixes, its
# throwaway prefixes and temporary files) is ended when the sourcing shell
# exits, and nothing else: the user's WINEPREFIX, display and Wine programs
# are never touched.
#
# Stand-ins, for the tools' own tests:
#   DEMODISC_I386_PROBE   a program run instead of the 32-bit probe
#   DEMODISC_WINE_DIR     the folder of Wine's loaders and servers
#                         (default /usr/lib/wine)

demodisc_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
demodisc_root=$(dirname "$demodisc_tools")
DEMODISC_WINE_DIR=${DEMODISC_WINE_DIR:-/usr/lib/wine}

demodisc_fail() {
  echo "$*" >&2
  exit 1
}

# The build folder of this clone: where the tools keep their trees, prefixes
# and logs.
demodisc_build_dir() {
  echo "${DEMODISC_BUILD_DIR:-$demodisc_root/build}"
}

# ---------------------------------------------------------------- the run's own

DEMODISC_RUN_XVFB_PID=""
DEMODISC_RUN_PREFIXES=()   # "<arch> <prefix>": the prefixes whose server this run may have started
DEMODISC_RUN_THROWAWAY=()  # folders this run made and removes

demodisc_end_run() {
  local entry
  for entry in "${DEMODISC_RUN_PREFIXES[@]}"; do
    WINEPREFIX=${entry#* } "$(demodisc_server "${entry%% *}")" -k >/dev/null 2>&1 || true
  done
  if [ -n "$DEMODISC_RUN_XVFB_PID" ]; then
    kill "$DEMODISC_RUN_XVFB_PID" 2>/dev/null || true
    wait "$DEMODISC_RUN_XVFB_PID" 2>/dev/null || true
  fi
  for entry in "${DEMODISC_RUN_THROWAWAY[@]}"; do rm -rf -- "$entry"; done
  return 0
}
trap demodisc_end_run EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# demodisc_remember_prefix <arch> <prefix>
demodisc_remember_prefix() {
  local entry
  for entry in "${DEMODISC_RUN_PREFIXES[@]}"; do [ "$entry" = "$1 $2" ] && return 0; done
  DEMODISC_RUN_PREFIXES+=("$1 $2")
}

# A folder of this run in the temporary folder, removed at exit, in
# DEMODISC_RUN_TEMP.
demodisc_run_temp() {
  DEMODISC_RUN_TEMP=$(mktemp -d "${TMPDIR:-/tmp}/demodisc-$1.XXXXXX") ||
    demodisc_fail "wine-env: could not make a folder in ${TMPDIR:-/tmp}"
  DEMODISC_RUN_THROWAWAY+=("$DEMODISC_RUN_TEMP")
}

# ---------------------------------------------------------------- which Wine

# A 96-byte static i386 ELF that only exits with status 32.
demodisc_write_probe() {
  # shellcheck disable=SC2059 # one literal format: the empty substitutions only break its lines
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'`
    `'\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'`
    `'\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000'`
    `'\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010'`
    `'\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000'`
    `'\000\020\000\000\273\040\000\000\000\270\001\000\000\000\315\200' >"$1" &&
    chmod +x "$1"
}

# True when this machine starts a 32-bit x86 program, false when it refuses
# one with "Exec format error" (a kernel built or booted without IA-32
# emulation refuses every i386 program, the 32-bit Wine included). Any other
# outcome says nothing of the machine and ends the tool with what happened.
# The probe runs from the build folder: a temporary folder may be mounted
# noexec.
demodisc_runs_32bit() {
  local probe=${DEMODISC_I386_PROBE:-} out rc=0
  if [ -z "$probe" ]; then
    probe=$(demodisc_build_dir)/tools/i386-probe
    { mkdir -p "${probe%/*}" && demodisc_write_probe "$probe"; } 2>/dev/null ||
      demodisc_fail "wine-env: could not write the 32-bit probe $probe: set DEMODISC_BUILD_DIR" \
        "to a folder of your own"
  fi
  out=$(export LC_ALL=C; "$probe" 2>&1) || rc=$?
  [ "$rc" -eq 32 ] && return 0
  case $out in *"Exec format error"*) return 1 ;; esac
  out=${out//$'\n'/ }
  demodisc_fail "wine-env: the 32-bit probe $probe could not be run (status $rc${out:+: ${out##*: }})," \
    "so it is unknown whether this machine runs 32-bit code: run the tool from a folder where" \
    "programs may run (DEMODISC_BUILD_DIR), or set DEMODISC_WINE_ARCH=win32 or win64"
}

demodisc_has_arch() {
  local arch
  for arch in "${DEMODISC_ARCHES[@]}"; do [ "$arch" = "$1" ] && return 0; done
  return 1
}

demodisc_loader() {
  if [ "$1" = win32 ]; then echo "$DEMODISC_WINE_DIR/wine"; else echo "$DEMODISC_WINE_DIR/wine64"; fi
}

demodisc_server() {
  if [ "$1" = win32 ]; then echo "$DEMODISC_WINE_DIR/wineserver32"; else echo "$DEMODISC_WINE_DIR/wineserver64"; fi
}

demodisc_wine_package() {
  if [ "$1" = win32 ]; then echo "wine32:i386"; else echo "wine64"; fi
}

# Sets DEMODISC_ARCHES and DEMODISC_WHY. With "installed" as $2, a machine
# that runs 32-bit code but lacks the 32-bit Wine (its installation failed)
# tests the PE32+ build alone and says why, unless DEMODISC_WINE_ARCH=win32
# asks for the PE32.
demodisc_choose_wine() {
  local tool=$1 check_installed=${2:-}
  case "${DEMODISC_WINE_ARCH:-}" in
    win32)
      demodisc_runs_32bit || demodisc_fail "$tool: DEMODISC_WINE_ARCH=win32 asks for the 32-bit" \
        "Wine, but this machine runs no 32-bit code (Exec format error): unset it to use the" \
        "PE32+ build under the 64-bit Wine"
      DEMODISC_ARCHES=(win32)
      DEMODISC_WHY="DEMODISC_WINE_ARCH=win32 chose the PE32 alone" ;;
    win64)
      DEMODISC_ARCHES=(win64)
      DEMODISC_WHY="DEMODISC_WINE_ARCH=win64 chose the PE32+ build alone" ;;
    '')
      if ! demodisc_runs_32bit; then
        DEMODISC_ARCHES=(win64)
        DEMODISC_WHY="this machine runs no 32-bit code (a 32-bit program fails with Exec format error), so the 32-bit Wine cannot start"
      elif [ "$check_installed" = installed ] && [ ! -x "$(demodisc_loader win32)" ]; then
        DEMODISC_ARCHES=(win64)
        DEMODISC_WHY="this machine runs 32-bit code, but the 32-bit Wine ($(demodisc_loader win32), package wine32:i386) is not installed"
      else
        DEMODISC_ARCHES=(win32 win64)
        DEMODISC_WHY="this machine runs 32-bit code"
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

# The variables are the caller's.
# shellcheck disable=SC2034
demodisc_trees() {
  local suffix="" build
  [ "$1" = win64 ] && suffix=64
  build=$(demodisc_build_dir)
  DEMODISC_PRODUCT_PRESET=windows$suffix
  DEMODISC_PRODUCT_TREE=$build/windows$suffix
  DEMODISC_TESTS_PRESET=windows$suffix-tests
  DEMODISC_TESTS_TREE=$build/windows$suffix-tests
}

demodisc_pe_arch() {
  local pe machine
  [ -f "$1" ] || return 0
  # The PE header's offset at 0x3c, its machine 4 bytes further.
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ' || true)
  [ -n "$pe" ] || return 0
  [ "$(od -An -c -j"$pe" -N4 "$1" 2>/dev/null | tr -d ' ' || true)" = 'PE\0\0' ] || return 0
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' ' || true)
  case $machine in
    014c) echo win32 ;;
    8664) echo win64 ;;
  esac
}

demodisc_one_exe() {
  demodisc_choose_wine "$1" installed
  arch=${DEMODISC_ARCHES[0]}
  echo "$1: $2 $(demodisc_exe_name "$arch"): $DEMODISC_WHY"
  demodisc_trees "$arch"
}

# ---------------------------------------------------------------- Wine's environment

# Exports the environment under which `wine`, `winepath` and `wineserver`
# are the given arch's (tools/wine-bin first on PATH): Debian's own commands
# take the 32-bit loader whenever it is installed, also where it cannot run,
# and its wineserver the 64-bit server.
demodisc_use_wine() {
  local loader server
  loader=$(demodisc_loader "$1")
  server=$(demodisc_server "$1")
  if [ ! -x "$loader" ] || [ ! -x "$server" ]; then
    demodisc_fail "wine-env: $loader or ${server##*/} (package $(demodisc_wine_package "$1")) is" \
      "missing: run tools/install-deps.sh as root"
  fi
  export WINEARCH=$1 WINEDEBUG=${WINEDEBUG:--all} WINELOADER=$loader WINESERVER=$server
  case ":$PATH:" in *":$demodisc_tools/wine-bin:"*) ;; *) export PATH=$demodisc_tools/wine-bin:$PATH ;; esac
}

# Xvfb chooses a free display itself and writes its number once it accepts
# connections; two runs at the same time get two servers.
# shellcheck disable=SC2120 # the size is optional: most callers take the default
demodisc_start_xvfb() {
  local dir n="" _
  command -v Xvfb >/dev/null || demodisc_fail "wine-env: Xvfb is missing: run tools/install-deps.sh as root"
  demodisc_run_temp xvfb
  dir=$DEMODISC_RUN_TEMP
  # The screen is the prefixes' desktop, 1024x768, unless a larger one is
  # asked for (the screenshots at a resolution, on a desktop of a laptop's
  # size). Wine moves the pointer only within its desktop's window, and
  # Xvfb starts it at the screen's centre: the tests keep the two the same.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$dir/display" >"$dir/log" 2>&1 &
  DEMODISC_RUN_XVFB_PID=$!
  for _ in $(seq 100); do
    read -r n 2>/dev/null <"$dir/display" || true
    [ -n "$n" ] && break
    kill -0 "$DEMODISC_RUN_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$n" ]; then
    local said
    said=$(grep -v '^$' "$dir/log" | tail -n 1)
    demodisc_fail "wine-env: the virtual X server (Xvfb) did not come up${said:+: $said}"
  fi
  export DISPLAY=:$n
}

# Boots the prefix at $2 for arch $1 with the virtual desktop set and no
# program for PDF documents, Wine's output in $3; run in a subshell, so that the caller's environment stays
# as it was.
demodisc_boot_prefix() {
  local arch=$1 prefix=$2 log=$3 rc=0
  demodisc_use_wine "$arch"
  export WINEPREFIX=$prefix
  mkdir -p "$prefix"
  wine wineboot -i >"$log" 2>&1 || rc=$?
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >>"$log" 2>&1 || rc=$?
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >>"$log" 2>&1 || rc=$?
  # No program opens PDF documents (Wine gives them to its browser): the
  # machine of the tests has no PDF reader unless a test registers one.
  wine reg delete 'HKLM\Software\Classes\.pdf' /ve /f >>"$log" 2>&1 || true
  wineserver -w
  if [ $rc -ne 0 ] || [ ! -f "$prefix/system.reg" ]; then
    demodisc_fail "wine-env: the $arch prefix $prefix did not boot (status $rc, Wine's output" \
      "in $log): check that the $(demodisc_exe_name "$arch" | sed "s/.* under the //") runs here"
  fi
  rm -f "$log"
  touch "$prefix/.demodisc-ready"
}

# Boots (or reuses) the prefix at $2 for arch $1.
demodisc_make_prefix() {
  local arch=$1 prefix=$2 log
  demodisc_remember_prefix "$arch" "$prefix"
  [ -f "$prefix/.demodisc-ready" ] && return 0
  log=$(demodisc_build_dir)/wineboot-$arch.log
  mkdir -p "${log%/*}"
  (demodisc_boot_prefix "$arch" "$prefix" "$log") || exit 1
}

# A throwaway prefix for arch $1 in the temporary folder, removed at exit;
# sets DEMODISC_PREFIX.
demodisc_throwaway_prefix() {
  demodisc_run_temp "wine-$1"
  DEMODISC_PREFIX=$DEMODISC_RUN_TEMP
  demodisc_make_prefix "$1" "$DEMODISC_PREFIX"
}

# One persistent server for the prefix and its system processes (services,
# the desktop), started before anything is timed or tested: otherwise each
# program waits for a server of its own, and the system processes hold the
# first program's output pipes open.
demodisc_warm_prefix() {
  demodisc_remember_prefix "$1" "$2"
  (demodisc_start_server "$1" "$2")
}

demodisc_start_server() {
  demodisc_use_wine "$1"
  export WINEPREFIX=$2
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
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
}
