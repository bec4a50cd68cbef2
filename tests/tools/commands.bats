#!/usr/bin/env bats
# The commands' choices on each kind of machine, as a user reads them: the
# dependency installer, the test command and the run command, with the
# package tools and cmake stood in for (they log their calls and go no
# further), and the machine's kind stood in for by the probe's answer.

bats_require_minimum_version 1.5.0
load support
stderr=""  # set by bats' run --separate-stderr

setup() {
  export DEMODISC_BUILD_DIR=$BATS_TEST_TMPDIR/build
  unset DEMODISC_WINE_ARCH DEMODISC_I386_PROBE
  fake_wine
}

# shellcheck disable=SC2016 # the stand-ins' bodies expand when they run
# Every package installed: the installer returns at once.
all_installed() { stand_in dpkg-query 'echo "install ok installed"'; }

# shellcheck disable=SC2016 # the stand-ins' bodies expand when they run
# Nothing installed; apt-get logs what it is asked, and fails to install
# the 32-bit Wine when FAIL32 is set, as where the archive lacks its packages.
nothing_installed() {
  stand_in dpkg-query 'exit 1'
  stand_in dpkg '[ "$1" = --print-foreign-architectures ] && exit 0; exit 0'
  stand_in apt-get 'case " $* " in *" wine32:i386 "*) [ -z "${FAIL32:-}" ] || exit 100 ;; esac; exit 0'
  stand_in id 'echo 0'
}

# shellcheck disable=SC2016 # the stand-ins' bodies expand when they run
# cmake configures (logged) and fails to build, which ends the command there.
cmake_configures_only() { stand_in cmake '[ "$1" = --build ] && exit 1; exit 0'; }

commands() { cat "$BATS_TEST_TMPDIR/commands.log"; }

@test "install-deps on a machine without 32-bit code installs the 64-bit Wine and no i386 package" {
  nothing_installed
  probe_exec_format_error
  run "$TOOLS/install-deps.sh"
  [ "$status" -eq 0 ]
  run commands
  [[ $output == *"apt-get install -y -qq --no-install-recommends cmake g++ "*" wine wine64 libwine"* ]]
  [[ $output != *i386* ]]
}

@test "install-deps on a machine with 32-bit code adds i386 and installs the 32-bit Wine too" {
  nothing_installed
  probe_runs
  run "$TOOLS/install-deps.sh"
  [ "$status" -eq 0 ]
  run commands
  [[ $output == *"dpkg --add-architecture i386"* ]]
  [[ $output == *"apt-get install -y -qq --no-install-recommends wine32:i386"* ]]
}

@test "install-deps goes on when only the 32-bit Wine cannot be installed, and says what follows" {
  nothing_installed
  probe_runs
  FAIL32=1 run --separate-stderr "$TOOLS/install-deps.sh"
  [ "$status" -eq 0 ]
  [ "$stderr" = "install-deps: apt-get could not install wine32:i386 (log in $DEMODISC_BUILD_DIR/install-deps.log): the PE32's suite will be skipped, the PE32+ build tested alone" ]
  # Unless the 32-bit Wine is what was asked for.
  FAIL32=1 DEMODISC_WINE_ARCH=win32 run --separate-stderr "$TOOLS/install-deps.sh"
  [ "$status" -eq 1 ]
  [[ ${stderr##*$'\n'} == "install-deps: apt-get could not install wine32:i386, which DEMODISC_WINE_ARCH=win32 asks for"* ]]
}

@test "install-deps returns at once when everything is there" {
  all_installed
  probe_runs
  run "$TOOLS/install-deps.sh"
  [ "$status" -eq 0 ]
  [ -z "$output" ]
  run ! grep -q apt-get "$BATS_TEST_TMPDIR/commands.log"
}

@test "the test command on each kind of machine: what it says it tests, and the suites it configures" {
  all_installed
  cmake_configures_only
  # probe | wine left out | DEMODISC_WINE_ARCH | suites | what is said of the PE32 | of the PE32+ build
  while IFS='|' read -r probe missing forced suites pe32 pe32plus; do
    "probe_$probe"
    # shellcheck disable=SC2086 # the names of the Wine's parts to leave out
    fake_wine $missing
    : >"$BATS_TEST_TMPDIR/commands.log"
    DEMODISC_WINE_ARCH=$forced run "$TOOLS/test.sh"
    [ "$status" -eq 1 ] || { echo "$probe/$forced: status $status: $output"; false; }
    pe32=${pe32//WINEDIR/$DEMODISC_WINE_DIR} pe32plus=${pe32plus//WINEDIR/$DEMODISC_WINE_DIR}
    [ "${lines[0]}" = "test.sh: $pe32" ] || { echo "$probe/$forced: ${lines[0]}"; false; }
    [ "${lines[1]}" = "test.sh: $pe32plus" ] || { echo "$probe/$forced: ${lines[1]}"; false; }
    grep -q -- "^cmake --preset native -B $DEMODISC_BUILD_DIR -DDEMODISC_WINDOWS_SUITES=$suites -DDEMODISC_SKIPPED_WHY=" \
      "$BATS_TEST_TMPDIR/commands.log" || { echo "$probe/$forced:"; commands; false; }
  done <<'TABLE'
exec_format_error|||win64|not testing the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix), reported as skipped: this machine runs no 32-bit code (a 32-bit program fails with Exec format error), so the 32-bit Wine cannot start|testing the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix): this machine runs no 32-bit code (a 32-bit program fails with Exec format error), so the 32-bit Wine cannot start
runs|||win32;win64|testing the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix): this machine runs 32-bit code|testing the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix): this machine runs 32-bit code
runs|wine||win64|not testing the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix), reported as skipped: this machine runs 32-bit code, but the 32-bit Wine (WINEDIR/wine, package wine32:i386) is not installed|testing the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix): this machine runs 32-bit code, but the 32-bit Wine (WINEDIR/wine, package wine32:i386) is not installed
runs||win64|win64|not testing the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix), reported as skipped: DEMODISC_WINE_ARCH=win64 chose the PE32+ build alone|testing the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix): DEMODISC_WINE_ARCH=win64 chose the PE32+ build alone
runs||win32|win32|testing the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix): DEMODISC_WINE_ARCH=win32 chose the PE32 alone|not testing the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix), reported as skipped: DEMODISC_WINE_ARCH=win32 chose the PE32 alone
TABLE
}

@test "the run command starts the PE32+ build where no 32-bit code runs, the PE32 where it does" {
  all_installed
  cmake_configures_only
  probe_exec_format_error
  run "$TOOLS/run.sh"
  [ "$status" -eq 1 ]
  [ "${lines[0]}" = "run.sh: starting the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix): this machine runs no 32-bit code (a 32-bit program fails with Exec format error), so the 32-bit Wine cannot start" ]
  grep -qx "cmake --preset windows64 -B $DEMODISC_BUILD_DIR/windows64" "$BATS_TEST_TMPDIR/commands.log"
  probe_runs
  : >"$BATS_TEST_TMPDIR/commands.log"
  run "$TOOLS/run.sh"
  [ "${lines[0]}" = "run.sh: starting the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix): this machine runs 32-bit code" ]
  grep -qx "cmake --preset windows -B $DEMODISC_BUILD_DIR/windows" "$BATS_TEST_TMPDIR/commands.log"
}

@test "a probe that cannot run stops the commands with its one line, before anything is installed or built" {
  nothing_installed
  probe_not_executable
  for command in install-deps.sh test.sh run.sh; do
    : >"$BATS_TEST_TMPDIR/commands.log"
    run --separate-stderr "$TOOLS/$command"
    [ "$status" -eq 1 ]
    [[ $stderr == "wine-env: the 32-bit probe "*"could not be run (status 126: Permission denied)"* ]]
    [ "$(grep -c . <<<"$stderr")" -eq 1 ]
    run ! grep -qE '^(apt-get|cmake)' "$BATS_TEST_TMPDIR/commands.log"
  done
}

@test "the tests' emulator runs in the test command's prefix and display, and starts nothing" {
  DEMODISC_WINEPREFIX_win64=/their/prefix DISPLAY=:77 run "$TOOLS/wine-run.sh" win64 prog.exe a
  [ "$status" -eq 0 ]
  run cat "$BATS_TEST_TMPDIR/calls.log"
  [ "$output" = "wine64 WINEPREFIX=/their/prefix prog.exe a" ]
}

@test "the tests' emulator run alone makes its own display and this clone's prefix, and ends them" {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed"
  # shellcheck disable=SC2016 # expanded by the command's shell
  env -u DISPLAY -u DEMODISC_WINEPREFIX_win64 "$TOOLS/wine-run.sh" win64 -- \
    bash -c 'echo "$DISPLAY $WINEPREFIX" >"$1/session"' _ "$BATS_TEST_TMPDIR"
  read -r display prefix <"$BATS_TEST_TMPDIR/session"
  [ "$prefix" = "$DEMODISC_BUILD_DIR/wineprefix-run-win64" ]
  [ -f "$prefix/.demodisc-ready" ]
  run ! xdpyinfo -display "$display"
  [ "$(tail -n 1 "$BATS_TEST_TMPDIR/calls.log")" = "wineserver64 WINEPREFIX=$prefix -k" ]
}

@test "ctest in a tree configured but not built says which Windows suite is not built yet" {
  command -v clang++ >/dev/null || skip "the native preset needs clang"
  tree=$BATS_TEST_TMPDIR/native
  cmake --preset native -S "$TOOLS/.." -B "$tree" "-DDEMODISC_WINDOWS_SUITES=win32;win64" >/dev/null
  run ctest --test-dir "$tree" -R '^win(32|64)\.Suite$' --output-on-failure
  [ "$status" -ne 0 ]
  for suite in windows-tests windows64-tests; do
    [[ $output == *"not built: $tree/$suite/tests/"*"/CTestTestfile.cmake is missing; build first (cmake --build $tree)"* ]] ||
      { echo "$suite: $output"; false; }
  done
  [[ $output == *"2 tests failed out of 2"* ]]
}
