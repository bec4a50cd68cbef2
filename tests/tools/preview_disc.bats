#!/usr/bin/env bats
# The preview of a disc and the run command on a disc of one's own, with the
# disc check, cmake and Wine stood in for: what each refuses, in one line,
# without touching a folder that is not its own, and which exe it takes.

bats_require_minimum_version 1.5.0
load support
stderr="" stderr_lines=()  # set by bats' run --separate-stderr

setup() {
  export DEMODISC_BUILD_DIR=$BATS_TEST_TMPDIR/build
  unset DEMODISC_WINE_ARCH DEMODISC_I386_PROBE DEMODISC_PREVIEW_EXE DEMODISC_PREVIEW_PROBE
  fake_wine
  disc=$BATS_TEST_TMPDIR/disc
  mkdir -p "$disc/Hints"
  echo "a description" >"$disc/Hints/about.txt"
  checker_answers 0 '{"is_disc": true, "not_disc": "", "sections": []}'
}

# shellcheck disable=SC2016 # the stand-ins' bodies expand when they run
all_installed() { stand_in dpkg-query 'echo "install ok installed"'; }

# A disc check that prints $2 and ends with $1.
checker_answers() {
  printf '#!/bin/sh\necho "%s %s" >>"%s/commands.log"\nprintf "%%s\\n" %q\nexit %s\n' \
    check '$*' "$BATS_TEST_TMPDIR" "$2" "$1" >"$BATS_TEST_TMPDIR/checker"
  chmod +x "$BATS_TEST_TMPDIR/checker"
  export DEMODISC_CHECK_DISC=$BATS_TEST_TMPDIR/checker
}

# The folder's entries and their bytes.
digest() { (cd "$1" && find . | LC_ALL=C sort && find . -type f -print0 | LC_ALL=C sort -z | xargs -0r sha256sum); }

# A build given instead of this clone's: an exe and the probe's folder, in $build.
given_build() {
  build=$BATS_TEST_TMPDIR/given
  mkdir -p "$build/generated/base"
  : >"$build/DemoDisc.exe"
  export DEMODISC_PREVIEW_EXE=$build/DemoDisc.exe DEMODISC_PREVIEW_PROBE=$build
}

# A preview written before: its list of files and the files.
old_preview() {
  mkdir -p "$1/pictures"
  echo "<p>old</p>" >"$1/index.html"
  echo "png" >"$1/pictures/page-Present.png"
  printf '%s\n' "# The preview of a disc that tools/preview-disc.sh wrote: its files, which it replaces." \
    ./index.html ./pictures ./pictures/page-Present.png >"$1/.demodisc-preview"
}

@test "preview-disc without its two folders, or with an option, prints its usage" {
  for args in "" "$disc" "$disc a b" "-h x" "$disc --out"; do
    # shellcheck disable=SC2086 # the words of each case
    run --separate-stderr "$TOOLS/preview-disc.sh" $args
    [ "$status" -eq 2 ] || { echo "[$args] $status $stderr"; false; }
    [ "${stderr_lines[0]}" = "usage: preview-disc.sh <disc-folder> <out-folder>" ]
  done
  run --separate-stderr "$TOOLS/preview-disc.sh" "" "$BATS_TEST_TMPDIR/out"
  [ "$status" -eq 2 ]
}

@test "preview-disc refuses, in one line and touching nothing, each folder it cannot take" {
  echo "mine" >"$BATS_TEST_TMPDIR/notes.txt"
  mkdir -p "$BATS_TEST_TMPDIR/mine/sub"
  echo "my page" >"$BATS_TEST_TMPDIR/mine/sub/index.html"
  old_preview "$BATS_TEST_TMPDIR/altered"
  echo "added by hand" >"$BATS_TEST_TMPDIR/altered/pictures/mine.png"
  mine() { for f in notes.txt mine altered disc; do digest "$BATS_TEST_TMPDIR/$f" 2>&1; done; }
  before=$(mine)
  # disc | out-folder | the line
  while IFS='|' read -r from to line; do
    from=${from//TMP/$BATS_TEST_TMPDIR} to=${to//TMP/$BATS_TEST_TMPDIR} line=${line//TMP/$BATS_TEST_TMPDIR}
    run --separate-stderr "$TOOLS/preview-disc.sh" "$from" "$to"
    [ "$status" -eq 1 ] || { echo "$from $to: status $status: $stderr"; false; }
    [ "$stderr" = "preview-disc.sh: $line" ] || { echo "$from $to: $stderr"; false; }
  done <<'TABLE'
TMP/none|TMP/out|TMP/none is no folder
TMP/notes.txt|TMP/out|TMP/notes.txt is no folder
TMP/disc|TMP/notes.txt|TMP/notes.txt is no folder; it is left as it is
TMP/disc|TMP/mine|TMP/mine holds what is not a preview's (sub, ...); it is left as it is: choose a new or empty folder
TMP/disc|TMP/altered|TMP/altered holds what is not a preview's (pictures/mine.png, ...); it is left as it is: choose a new or empty folder
TMP/disc|TMP/disc/preview|TMP/disc/preview is inside the disc folder TMP/disc, which the preview must leave as it is: choose an out-folder outside it
TMP/disc|TMP/disc|TMP/disc is inside the disc folder TMP/disc, which the preview must leave as it is: choose an out-folder outside it
TABLE
  [ "$(mine)" = "$before" ]
  [ ! -e "$BATS_TEST_TMPDIR/out" ]
}

@test "preview-disc on a folder that is no disc, or when the check fails, says so in one line" {
  checker_answers 2 '{"is_disc": false, "not_disc": "holds neither DemoDisc.exe nor any of the folders the program expects"}'
  run --separate-stderr "$TOOLS/preview-disc.sh" "$disc" "$BATS_TEST_TMPDIR/out"
  [ "$status" -eq 1 ]
  [ "$stderr" = "preview-disc.sh: $disc is no disc: holds neither DemoDisc.exe nor any of the folders the program expects" ]
  grep -qx "check $disc --json" "$BATS_TEST_TMPDIR/commands.log"
  printf '#!/bin/sh\necho "check-disc.sh: the checker did not build; its output is in x.log" >&2\nexit 3\n' \
    >"$BATS_TEST_TMPDIR/checker"
  run --separate-stderr "$TOOLS/preview-disc.sh" "$disc" "$BATS_TEST_TMPDIR/out"
  [ "$status" -eq 1 ]
  [ "$stderr" = "preview-disc.sh: the disc check failed (status 3): check-disc.sh: the checker did not build; its output is in x.log" ]
  [ ! -e "$BATS_TEST_TMPDIR/out" ]
}

@test "preview-disc builds the PE32+ where no 32-bit code runs, the PE32 where it does, and stops when it does not build" {
  all_installed
  # shellcheck disable=SC2016 # the stand-in's body expands when it runs
  stand_in cmake '[ "$1" = --build ] && exit 1; exit 0'
  # probe | the exe | its preset
  while IFS='|' read -r probe words preset; do
    "probe_$probe"
    : >"$BATS_TEST_TMPDIR/commands.log"
    run --separate-stderr "$TOOLS/preview-disc.sh" "$disc" "$BATS_TEST_TMPDIR/out"
    [ "$status" -eq 1 ]
    [[ $output == "preview-disc.sh: showing the disc with $words: "* ]] || { echo "$output"; false; }
    grep -qx "cmake --preset $preset -B $DEMODISC_BUILD_DIR/$preset" "$BATS_TEST_TMPDIR/commands.log"
    [ "$stderr" = "preview-disc.sh: DemoDisc.exe or the window probe did not build; the output is in $DEMODISC_BUILD_DIR/preview-build.log" ]
  done <<'TABLE'
exec_format_error|the PE32+ test build of DemoDisc.exe under the 64-bit Wine (win64 prefix)|windows64
runs|the PE32 DemoDisc.exe under the 32-bit Wine (win32 prefix)|windows
TABLE
  [ ! -e "$BATS_TEST_TMPDIR/out" ]
}

@test "a program that does not come up ends the preview in one line; a preview written before stays as it was" {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed"
  probe_exec_format_error
  given_build
  # Without its version beside it, the exe is refused.
  run --separate-stderr "$TOOLS/preview-disc.sh" "$disc" "$BATS_TEST_TMPDIR/out"
  [ "$status" -eq 1 ]
  [ "${stderr}" = "preview-disc.sh: the version of $build/DemoDisc.exe is unknown: $build/generated/base/version.h is missing" ]
  echo '#define DEMODISC_VERSION_TEXT "9.8.7"' >"$build/generated/base/version.h"
  # Wine's loader ends at once: the program never comes up.
  old_preview "$BATS_TEST_TMPDIR/out"
  before=$(digest "$BATS_TEST_TMPDIR/out")
  disc_before=$(digest "$disc")
  mkdir "$BATS_TEST_TMPDIR/tmp"
  TMPDIR=$BATS_TEST_TMPDIR/tmp run --separate-stderr "$TOOLS/preview-disc.sh" "$disc" "$BATS_TEST_TMPDIR/out"
  [ "$status" -eq 1 ]
  [ "$stderr" = "preview-disc.sh: DemoDisc.exe ended at its start (status 0) before its main window came up" ]
  [ "$(digest "$BATS_TEST_TMPDIR/out")" = "$before" ]
  [ "$(digest "$disc")" = "$disc_before" ]
  # Its X server's and prefix's temporary folders are gone, its Wine server ended.
  [ -z "$(ls -A "$BATS_TEST_TMPDIR/tmp")" ]
  grep -q "^wineserver64 WINEPREFIX=.* -k" "$BATS_TEST_TMPDIR/calls.log"
}

@test "the machine of a PE image: win32 for i386, win64 for x86-64, nothing for other files" {
  pe() {  # <file> <machine bytes>: a DOS stub pointing at a PE header
    { printf 'MZ'; head -c 58 /dev/zero; printf '\100\000\000\000'; printf 'PE\000\000'; printf '%b' "$2"
      head -c 20 /dev/zero; } >"$1"
  }
  pe "$BATS_TEST_TMPDIR/32.exe" '\114\001'
  pe "$BATS_TEST_TMPDIR/64.exe" '\144\206'
  pe "$BATS_TEST_TMPDIR/arm.exe" '\144\252'
  printf 'MZ' >"$BATS_TEST_TMPDIR/short.exe"
  printf 'MZ%62s' "" >"$BATS_TEST_TMPDIR/nope.exe"
  # file | machine
  while IFS='|' read -r file want; do
    run in_tools demodisc_pe_arch "$BATS_TEST_TMPDIR/$file"
    [ "$status" -eq 0 ] && [ "$output" = "$want" ] || { echo "$file: $status [$output]"; false; }
  done <<'TABLE'
32.exe|win32
64.exe|win64
arm.exe|
short.exe|
nope.exe|
missing.exe|
TABLE
}

@test "run.sh on a disc folder: its own exe where this Wine runs it, else this clone's build; a wrong folder is refused" {
  all_installed
  # shellcheck disable=SC2016 # the stand-in's body expands when it runs
  stand_in cmake '[ "$1" = --build ] && exit 1; exit 0'
  probe_exec_format_error
  run --separate-stderr "$TOOLS/run.sh" "$BATS_TEST_TMPDIR/none"
  [ "$status" -eq 1 ] && [ "$stderr" = "run.sh: $BATS_TEST_TMPDIR/none is no folder" ]
  for args in "a b" "--help"; do
    # shellcheck disable=SC2086 # the words of each case
    run --separate-stderr "$TOOLS/run.sh" $args
    [ "$status" -eq 2 ] && [ "$stderr" = "usage: run.sh [disc-folder]" ]
  done
  # No exe at its root: this clone's build (which the stand-in cmake fails).
  run "$TOOLS/run.sh" "$disc"
  [ "$status" -eq 1 ]
  [ "${lines[1]}" = "run.sh: the disc holds no DemoDisc.exe at its root: starting this clone's build, $DEMODISC_BUILD_DIR/windows64/DemoDisc.exe" ]
  grep -qx "cmake --preset windows64 -B $DEMODISC_BUILD_DIR/windows64" "$BATS_TEST_TMPDIR/commands.log"
  run ! grep -q sample_disc "$BATS_TEST_TMPDIR/commands.log"
  # A PE32 at its root, which the 64-bit Wine does not run.
  { printf 'MZ'; head -c 58 /dev/zero; printf '\100\000\000\000PE\000\000\114\001'; } >"$disc/DemoDisc.exe"
  run "$TOOLS/run.sh" "$disc"
  [ "${lines[1]}" = "run.sh: the disc holds a DemoDisc.exe that this Wine does not run: starting this clone's build, $DEMODISC_BUILD_DIR/windows64/DemoDisc.exe" ]
  # One it runs: started from the disc's root, nothing built, nothing written there.
  { printf 'MZ'; head -c 58 /dev/zero; printf '\100\000\000\000PE\000\000\144\206'; } >"$disc/DemoDisc.exe"
  : >"$BATS_TEST_TMPDIR/commands.log"
  before=$(digest "$disc")
  DISPLAY=:77 run "$TOOLS/run.sh" "$disc"
  [ "$status" -eq 0 ]
  [ "${lines[1]}" = "run.sh: the disc's own DemoDisc.exe" ]
  grep -q "^wine64 WINEPREFIX=$DEMODISC_BUILD_DIR/wineprefix64 DemoDisc.exe" "$BATS_TEST_TMPDIR/calls.log"
  run ! grep -q '^cmake' "$BATS_TEST_TMPDIR/commands.log"
  [ "$(digest "$disc")" = "$before" ]
}

# A 64-bit Wine whose loader answers the window probe with a main window
# (its memo's text new at each call) and runs DemoDisc.exe as a sleep; its
# other calls are fake_wine's.
wine_with_a_window() {
  fake_wine
  mv "$DEMODISC_WINE_DIR/wine64" "$DEMODISC_WINE_DIR/wine64-calls"
  cat >"$DEMODISC_WINE_DIR/wine64" <<STANDIN
#!/bin/bash
case "\$1" in
  *window_probe.exe)
    [[ " \$* " == *" TMainForm "* ]] || exit 1
    n=\$(cat "$BATS_TEST_TMPDIR/probes" 2>/dev/null || echo 0)
    echo \$((n + 1)) >"$BATS_TEST_TMPDIR/probes"
    echo "0 TMainForm 0 181 99 843 669 Demo"
    echo "1 SysTabControl32 0 184 121 738 551 "
    for i in 0 1 2 3 4; do echo "tab \$i \$((186 + i * 90)) 121 \$((266 + i * 90)) 141"; done
    echo "2 TButtonGroup 0 191 152 731 450 "
    echo "2 TStringGrid 0 191 152 731 450 "
    echo "2 Edit 0 188 453 734 547 text \$n"
    exit 0 ;;
  DemoDisc.exe | */DemoDisc.exe) exec sleep 300 ;;
esac
exec "$DEMODISC_WINE_DIR/wine64-calls" "\$@"
STANDIN
  chmod +x "$DEMODISC_WINE_DIR/wine64"
}

@test "preview-disc writes its page and pictures, and replaces a preview it wrote before and only that" {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed"
  probe_exec_format_error
  wine_with_a_window
  given_build
  echo '#define DEMODISC_VERSION_TEXT "9.8.7"' >"$build/generated/base/version.h"
  checker_answers 1 '{"disc": "d", "errors": 1, "sections": [{"page": "Present", "title": "P", "lines": [{"item": "Act_About", "subject": "About <b>", "findings": [{"kind": "missing", "severity": "error", "path": "Hints\\about.txt", "message": "is missing"}]}]}, {"page": "Artikel", "title": "A", "lines": [{"item": "row 1", "subject": "row 1: x", "findings": []}, {"item": "row 2", "subject": "row 2: y", "findings": []}]}]}'
  out=$BATS_TEST_TMPDIR/out
  old_preview "$out"
  echo "png" >"$out/pictures/row-39.png"
  echo ./pictures/row-39.png >>"$out/.demodisc-preview"
  disc_before=$(digest "$disc")
  run --separate-stderr "$TOOLS/preview-disc.sh" "$disc" "$out"
  [ "$status" -eq 0 ] || { echo "$stderr"; false; }
  [[ ${lines[-1]} =~ ^"preview-disc.sh: $out/index.html (5 pictures, "[0-9]+" s)"$ ]] || { echo "$output"; false; }
  # The report's two pages, its one item and its 2 rows; the old preview's row 39 is gone.
  [ "$(find "$out/pictures" -name '*.png' | wc -l)" -eq 5 ]
  [ ! -e "$out/pictures/row-39.png" ]
  [ "$(tail -n +2 "$out/.demodisc-preview")" = "$(cd "$out" && find . -mindepth 1 ! -name .demodisc-preview | LC_ALL=C sort)" ]
  identify "$out/pictures/item-Present-1.png" "$out/pictures/row-2.png" >/dev/null
  grep -q '<span id="version">9.8.7</span>' "$out/index.html"
  grep -q 'About &lt;b&gt;' "$out/index.html"
  [ "$(digest "$disc")" = "$disc_before" ]
  # With a file of the user's added, it is not taken again.
  echo "mine" >"$out/notes.txt"
  run --separate-stderr "$TOOLS/preview-disc.sh" "$disc" "$out"
  [ "$status" -eq 1 ]
  [ "$stderr" = "preview-disc.sh: $out holds what is not a preview's (notes.txt, ...); it is left as it is: choose a new or empty folder" ]
  [ -f "$out/index.html" ]
}
