#!/usr/bin/env bats
# tools/wine-env.sh: the choice of Wine on each kind of machine, the probe,
# the chosen loader, and a run that ends only what it started.

bats_require_minimum_version 1.5.0
load support
stderr=""  # set by bats' run --separate-stderr

setup() {
  export DEMODISC_BUILD_DIR=$BATS_TEST_TMPDIR/build
  unset DEMODISC_WINE_ARCH DEMODISC_I386_PROBE WINEPREFIX WINELOADER WINESERVER
}

# What a tool chooses, as "<arches>|<why>".
show_choice() {
  demodisc_choose_wine tool installed
  echo "${DEMODISC_ARCHES[*]}|$DEMODISC_WHY"
}
choice() { in_tools show_choice; }
show_probe() { if demodisc_runs_32bit; then echo runs; else echo none; fi; }
wine_calls() {
  demodisc_use_wine "$1"
  WINEPREFIX=/p wine prog.exe a
  WINEPREFIX=/p winepath -w /x
  WINEPREFIX=/p wineserver -k
}
one_exe() {
  DEMODISC_BUILD_DIR=/b
  demodisc_one_exe "$@"
  echo "$arch $DEMODISC_PRODUCT_TREE $DEMODISC_TESTS_PRESET"
}
throwaway_session() {
  demodisc_wine_session win64
  echo "$WINEPREFIX"
  demodisc_warm_prefix win64 "$WINEPREFIX"
}
persistent_session() {
  demodisc_wine_session "$@"
  echo "$WINEPREFIX $WINEARCH"
}
no_session() { demodisc_choose_wine t; demodisc_use_wine win64; }
hold_display() {
  demodisc_start_xvfb
  echo "$DISPLAY" >"$1/first"
  while [ ! -e "$1/end" ]; do sleep 0.1; done
}
show_display() {
  demodisc_start_xvfb
  echo "$DISPLAY"
  xdpyinfo -display "$DISPLAY" >/dev/null && echo up
}
show_display_unset() { unset DISPLAY; demodisc_start_xvfb; echo "DISPLAY=$DISPLAY"; }
# The screen's size, and where the pointer starts on it.
show_screen() {
  demodisc_start_xvfb "$@"
  xdpyinfo -display "$DISPLAY" | awk '/dimensions:/ { print $2 }'
  xdotool getmouselocation | cut -d' ' -f1-2
}
export -f show_choice show_probe wine_calls one_exe throwaway_session persistent_session no_session \
  hold_display show_display show_display_unset show_screen

@test "each kind of machine, each value of DEMODISC_WINE_ARCH: the Wines chosen and why" {
  fake_wine
  # probe answer | DEMODISC_WINE_ARCH | chosen | reason
  while IFS='|' read -r probe forced arches why; do
    "probe_$probe"
    DEMODISC_WINE_ARCH=$forced run choice
    [ "$status" -eq 0 ] || { echo "$probe/$forced: status $status: $output"; false; }
    [ "$output" = "$arches|$why" ] || { echo "$probe/$forced: $output"; false; }
  done <<'TABLE'
runs||win32 win64|this machine runs 32-bit code
exec_format_error||win64|this machine runs no 32-bit code (a 32-bit program fails with Exec format error), so the 32-bit Wine cannot start
runs|win32|win32|DEMODISC_WINE_ARCH=win32 chose the PE32 alone
runs|win64|win64|DEMODISC_WINE_ARCH=win64 chose the PE32+ build alone
exec_format_error|win64|win64|DEMODISC_WINE_ARCH=win64 chose the PE32+ build alone
TABLE
}

@test "a machine without 32-bit code prints no error while choosing" {
  probe_exec_format_error
  run --separate-stderr choice
  [ "$status" -eq 0 ]
  [ -z "$stderr" ]
}

@test "DEMODISC_WINE_ARCH=win32 on a machine without 32-bit code ends with one line that says what to do" {
  probe_exec_format_error
  DEMODISC_WINE_ARCH=win32 run --separate-stderr choice
  [ "$status" -eq 1 ]
  [ -z "$output" ]
  [ "$stderr" = "tool: DEMODISC_WINE_ARCH=win32 asks for the 32-bit Wine, but this machine runs no 32-bit code (Exec format error): unset it to use the PE32+ build under the 64-bit Wine" ]
}

@test "DEMODISC_WINE_ARCH with another value is refused" {
  probe_runs
  DEMODISC_WINE_ARCH=x86 run --separate-stderr choice
  [ "$status" -eq 1 ]
  [ "$stderr" = "tool: DEMODISC_WINE_ARCH is 'x86'; it takes win32 or win64, or is unset for what the machine runs" ]
}

@test "a probe that cannot be run is a failure that says what happened, never 'no 32-bit code'" {
  probe_not_executable
  run --separate-stderr choice
  [ "$status" -eq 1 ]
  [ -z "$output" ]
  [ "${#lines[@]}" -le 1 ]
  [[ $stderr == "wine-env: the 32-bit probe $DEMODISC_I386_PROBE could not be run (status 126: Permission denied), so it is unknown whether this machine runs 32-bit code:"* ]]

  DEMODISC_I386_PROBE=$BATS_TEST_TMPDIR/no-such-probe run --separate-stderr choice
  [ "$status" -eq 1 ]
  [[ $stderr == *"could not be run (status 127: No such file or directory)"* ]]
}

@test "a probe that runs but answers otherwise is a failure too" {
  printf '#!/bin/sh\nexit 0\n' >"$BATS_TEST_TMPDIR/probe"
  chmod +x "$BATS_TEST_TMPDIR/probe"
  DEMODISC_I386_PROBE=$BATS_TEST_TMPDIR/probe run --separate-stderr choice
  [ "$status" -eq 1 ]
  [[ $stderr == *"could not be run (status 0)"* ]]
}

@test "the real probe runs from the build folder, so a noexec temporary folder changes nothing" {
  mkdir -p "$BATS_TEST_TMPDIR/noexec"
  mount -t tmpfs -o noexec,size=1m tmpfs "$BATS_TEST_TMPDIR/noexec" 2>/dev/null ||
    skip "this machine lets no noexec folder be mounted here"
  TMPDIR=$BATS_TEST_TMPDIR/noexec run --separate-stderr in_tools show_probe
  umount "$BATS_TEST_TMPDIR/noexec"
  [ "$status" -eq 0 ]
  [[ $output == runs || $output == none ]]
  [ -x "$DEMODISC_BUILD_DIR/tools/i386-probe" ]
}

@test "a machine that runs 32-bit code but lacks the 32-bit Wine tests the PE32+ build and says why" {
  fake_wine wine wineserver32
  probe_runs
  run choice
  [ "$status" -eq 0 ]
  [ "$output" = "win64|this machine runs 32-bit code, but the 32-bit Wine ($DEMODISC_WINE_DIR/wine, package wine32:i386) is not installed" ]
  # Asked for all the same, it is named as missing when it is to run.
  DEMODISC_WINE_ARCH=win32 run --separate-stderr in_tools demodisc_use_wine win32
  [ "$status" -eq 1 ]
  [ "$stderr" = "wine-env: $DEMODISC_WINE_DIR/wine or wineserver32 (package wine32:i386) is missing: run tools/install-deps.sh as root" ]
}

@test "wine, winepath and wineserver go through the chosen arch's loader and server" {
  fake_wine
  for arch in win32 win64; do
    : >"$BATS_TEST_TMPDIR/calls.log"
    run in_tools wine_calls $arch
    [ "$status" -eq 0 ]
    loader=wine64 server=wineserver64
    [ $arch = win32 ] && loader=wine server=wineserver32
    run cat "$BATS_TEST_TMPDIR/calls.log"
    [ "${lines[0]}" = "$loader WINEPREFIX=/p prog.exe a" ]
    [ "${lines[1]}" = "$loader WINEPREFIX=/p winepath.exe -w /x" ]
    [ "${lines[2]}" = "$server WINEPREFIX=/p -k" ]
  done
}

@test "the tools that run one exe say which and why" {
  fake_wine
  probe_exec_format_error
  run in_tools one_exe run.sh starting
  [ "${lines[0]}" = "run.sh: starting the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix): this machine runs no 32-bit code (a 32-bit program fails with Exec format error), so the 32-bit Wine cannot start" ]
  [ "${lines[1]}" = "win64 /b/windows64 windows64-tests" ]
  probe_runs
  run in_tools one_exe bench.sh measuring
  [ "${lines[0]}" = "bench.sh: measuring the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix): this machine runs 32-bit code" ]
  [ "${lines[1]}" = "win32 /b/windows windows-tests" ]
}

@test "the exit ends this run's servers and throwaway prefixes, and never the user's prefix" {
  fake_wine
  mkdir -p "$BATS_TEST_TMPDIR/my dir" "$BATS_TEST_TMPDIR/my"
  touch "$BATS_TEST_TMPDIR/my/keep"
  users=$BATS_TEST_TMPDIR/users-prefix
  WINEPREFIX=$users TMPDIR="$BATS_TEST_TMPDIR/my dir" run in_tools throwaway_session
  [ "$status" -eq 0 ]
  throwaway=${lines[0]}
  [[ $throwaway == "$BATS_TEST_TMPDIR/my dir/demodisc-wine-win64."* ]]
  [ ! -e "$throwaway" ]
  [ -f "$BATS_TEST_TMPDIR/my/keep" ]
  [ -d "$BATS_TEST_TMPDIR/my dir" ]
  grep -qx "wineserver64 WINEPREFIX=$throwaway -k" "$BATS_TEST_TMPDIR/calls.log"
  run ! grep -q "WINEPREFIX=$users" "$BATS_TEST_TMPDIR/calls.log"
}

@test "a run that starts nothing ends nothing" {
  fake_wine
  WINEPREFIX=$BATS_TEST_TMPDIR/users-prefix run in_tools no_session
  [ "$status" -eq 0 ]
  [ ! -s "$BATS_TEST_TMPDIR/calls.log" ]
}

@test "a persistent prefix is booted once with the virtual desktop, and its server ended at exit" {
  fake_wine
  prefix="$BATS_TEST_TMPDIR/build/wine prefix"
  run in_tools persistent_session win32 "$prefix"
  [ "$status" -eq 0 ]
  [ "$output" = "$prefix win32" ]
  [ -f "$prefix/.demodisc-ready" ]
  grep -q "^wine WINEPREFIX=$prefix reg add HKCU\\\\Software\\\\Wine\\\\Explorer\\\\Desktops /v Default /d 1024x768 /f$" \
    "$BATS_TEST_TMPDIR/calls.log"
  [ "$(tail -n 1 "$BATS_TEST_TMPDIR/calls.log")" = "wineserver32 WINEPREFIX=$prefix -k" ]
  : >"$BATS_TEST_TMPDIR/calls.log"
  run in_tools demodisc_wine_session win32 "$prefix"
  run ! grep -q wineboot "$BATS_TEST_TMPDIR/calls.log"
}

@test "a prefix that does not boot ends the tool with one line naming the log" {
  fake_wine
  printf '#!/bin/sh\nexit 3\n' >"$DEMODISC_WINE_DIR/wine64"
  run --separate-stderr in_tools persistent_session win64 "$BATS_TEST_TMPDIR/p"
  [ "$status" -eq 1 ]
  [ -z "$output" ]
  [ "$stderr" = "wine-env: the win64 prefix $BATS_TEST_TMPDIR/p did not boot (status 3, Wine's output in $DEMODISC_BUILD_DIR/wineboot-win64.log): check that the 64-bit Wine (win64 prefix) runs here" ]
}

@test "two runs at the same time get two X servers, and each ends only its own" {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed"
  # The first run holds its display until told to end; the second ends meanwhile.
  in_tools hold_display "$BATS_TEST_TMPDIR" 3>&- &
  first_run=$!
  for _ in $(seq 100); do [ -s "$BATS_TEST_TMPDIR/first" ] && break; sleep 0.1; done
  first=$(cat "$BATS_TEST_TMPDIR/first")
  run in_tools show_display
  second=${lines[0]}
  [ "${lines[1]}" = up ]
  [ -n "$first" ] && [ "$first" != "$second" ]
  xdpyinfo -display "$first" >/dev/null
  run ! xdpyinfo -display "$second"
  touch "$BATS_TEST_TMPDIR/end"
  wait "$first_run"
  run ! xdpyinfo -display "$first"
}

@test "the X server's screen is the prefixes' desktop, the pointer at its centre, unless a size is asked for" {
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || skip "Xvfb or xdotool is not installed"
  run in_tools show_screen
  [ "$status" -eq 0 ]
  # Wine moves the pointer only while it is inside the desktop's window.
  [ "$output" = "$(printf '1024x768\nx:512 y:384')" ] || { echo "$output"; false; }
  run in_tools show_screen 2560x1600
  [ "${lines[0]}" = 2560x1600 ]
}

@test "an X server that does not come up ends the tool with one line, and no DISPLAY is set" {
  stand_in Xvfb 'echo "(EE) Fatal server error:" >&2; echo "(EE) Cannot establish any listening sockets" >&2; exit 1'
  run --separate-stderr in_tools show_display_unset
  [ "$status" -eq 1 ]
  [ -z "$output" ]
  [ "$stderr" = "wine-env: the virtual X server (Xvfb) did not come up: (EE) Cannot establish any listening sockets" ]
}

@test "the exit removes the throwaway prefixes also when no server of theirs is left to end" {
  fake_wine
  printf '#!/bin/sh\nexit 1\n' >"$DEMODISC_WINE_DIR/wineserver64"
  run in_tools throwaway_session
  throwaway=${lines[0]}
  [[ $throwaway == */demodisc-wine-win64.* ]]
  [ ! -e "$throwaway" ]
}
