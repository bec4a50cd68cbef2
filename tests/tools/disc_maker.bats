#!/usr/bin/env bats
# The disc maker's commands with what a disc maker has: the disc check built
# with g++ and cmake alone, and the sample disc laid out without ever
# removing a folder of the user's.

bats_require_minimum_version 1.5.0
load support
stderr="" stderr_lines=()  # set by bats' run --separate-stderr

setup() {
  export DEMODISC_BUILD_DIR=$BATS_TEST_TMPDIR/build
  unset DEMODISC_CHECK_DISC
}

@test "check-disc builds its checker with g++ and cmake alone, without clang" {
  # The file's own tree, which the --verify test below runs again.
  build=$BATS_FILE_TMPDIR/build
  PATH=$(path_without clang clang++ clang-14 clang++-14) DEMODISC_BUILD_DIR=$build \
    run "$TOOLS/check-disc.sh" "$BATS_TEST_TMPDIR"
  # An empty folder is no disc (2), which only a checker that built can say.
  [ "$status" -eq 2 ] || { echo "$output"; cat "$build/check-disc.log"; false; }
  cache=$build/check-disc/CMakeCache.txt
  grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*g++' "$cache"
  run ! grep -q '^GTest_DIR' "$cache"
  run ! grep -q mingw32 "$cache"
}

@test "check-disc names the package of each tool it lacks, in one line" {
  for tool in cmake g++ gcc make; do
    PATH=$(path_without "$tool") run --separate-stderr "$TOOLS/check-disc.sh" "$BATS_TEST_TMPDIR"
    [ "$status" -eq 3 ]
    [ "$stderr" = "check-disc.sh: $tool is missing, which builds the checker: install the Debian package $tool (apt-get install $tool)" ]
  done
  # A g++ that finds no header of zlib, then none of OpenSSL.
  mkdir "$BATS_TEST_TMPDIR/bin"
  for lib in "zlib:zlib's:zlib1g-dev" "openssl:OpenSSL's:libssl-dev"; do
    IFS=: read -r word whose package <<<"$lib"
    # shellcheck disable=SC2016
    printf '#!/bin/sh\ncase "$(cat)" in *%s*) exit 1 ;; esac\n' "$word" > "$BATS_TEST_TMPDIR/bin/g++"
    chmod +x "$BATS_TEST_TMPDIR/bin/g++"
    PATH=$BATS_TEST_TMPDIR/bin:$PATH run --separate-stderr "$TOOLS/check-disc.sh" "$BATS_TEST_TMPDIR"
    [ "$status" -eq 3 ]
    [ "$stderr" = "check-disc.sh: $whose headers are missing, which build the checker: install the Debian package $package (apt-get install $package)" ]
  done
}

@test "check-disc --verify shows its progress on a terminal only" {
  build=$BATS_FILE_TMPDIR/build
  disc=$BATS_TEST_TMPDIR/disc
  mkdir -p "$disc/Hints"
  printf MZ > "$disc/DemoDisc.exe"
  head -c 3000000 /dev/zero > "$disc/Hints/about.txt"
  (cd "$disc" && sha256sum DemoDisc.exe Hints/about.txt > DISC.SHA256)
  DEMODISC_BUILD_DIR=$build run --separate-stderr "$TOOLS/check-disc.sh" "$disc" --verify
  [ -z "$stderr" ]
  [ "${lines[1]}" = "Read back against DISC.SHA256" ]
  [[ "${lines[2]}" = "  ok       DISC.SHA256: every file of the disc read back whole, 2 files and 3000002 bytes"* ]]
  # Most of the disc is missing: errors, status 1.
  [ "$status" -eq 1 ]
  DEMODISC_BUILD_DIR=$build run script -qec "$TOOLS/check-disc.sh $disc --verify >/dev/null" /dev/null
  [ "$status" -eq 1 ]
  [[ "$output" = $'\rread back 0.0 of 3.0 MB'* ]]
}

@test "make-sample-disc without a folder, or with a wrong argument, prints its usage" {
  for args in "" "--force x" "a b c" "--replace"; do
    # shellcheck disable=SC2086 # the words of each case
    run --separate-stderr "$TOOLS/make-sample-disc.sh" $args
    [ "$status" -eq 2 ] || { echo "[$args] $status $stderr"; false; }
    [[ $stderr == *"usage: make-sample-disc.sh [--replace] <disc-folder> [DemoDisc.exe]"* ]]
  done
  run --separate-stderr "$TOOLS/make-sample-disc.sh" "$BATS_TEST_TMPDIR/d" "$BATS_TEST_TMPDIR/no.exe"
  [ "$status" -eq 2 ]
  [[ $stderr == "make-sample-disc.sh: $BATS_TEST_TMPDIR/no.exe is no file"* ]]
  [ ! -e "$BATS_TEST_TMPDIR/d" ]
}

# The folder's files with their checksums.
digest() { (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0r sha256sum); }

@test "make-sample-disc leaves a disc maker's own folder untouched and says so, unless --replace" {
  disc="$BATS_TEST_TMPDIR/My Disc"
  mkdir -p "$disc/Publication" "$disc/Video"
  echo "my paper" >"$disc/Publication/paper.pdf"
  echo "my clip" >"$disc/Video/clip.avi"
  before=$(digest "$disc")
  run --separate-stderr "$TOOLS/make-sample-disc.sh" "$disc"
  [ "$status" -eq 1 ]
  [[ $stderr == *"make-sample-disc.sh: $disc holds what is not the sample disc's (Publication/paper.pdf, ...); it is left as it is: choose a new or empty folder, or pass --replace to replace it" ]]
  [ "$(digest "$disc")" = "$before" ]
  # Nothing is left beside it either.
  [ "$(ls -A "$BATS_TEST_TMPDIR")" = "$(printf 'My Disc\nbuild')" ] || ls -A "$BATS_TEST_TMPDIR"

  run "$TOOLS/make-sample-disc.sh" --replace "$disc"
  [ "$status" -eq 0 ]
  [ ! -e "$disc/Publication/paper.pdf" ]
  [ -f "$disc/Publication/vortan_lit.txt" ]
}

@test "make-sample-disc lays out a new or empty folder, and a sample disc again" {
  disc=$BATS_TEST_TMPDIR/disc
  run "$TOOLS/make-sample-disc.sh" "$disc"
  [ "$status" -eq 0 ]
  [ "${lines[-1]}" = "sample disc: $disc" ]
  [ -f "$disc/Publication/vortan_lit.txt" ] && [ -f "$disc/Video/Null_video.avi" ]
  cmp "$TOOLS/sample-disc/accepted.txt" "$disc.accepted"
  # A sample disc is laid out afresh: what was removed from it comes back.
  rm "$disc/Publication/vortan_lit.txt"
  run "$TOOLS/make-sample-disc.sh" "$disc/"
  [ "$status" -eq 0 ]
  [ -f "$disc/Publication/vortan_lit.txt" ]
  # A list of accepted warnings of the disc maker's own beside it is kept.
  echo 'Hints\mine.txt is empty' >"$disc.accepted"
  run --separate-stderr "$TOOLS/make-sample-disc.sh" "$disc"
  [ "$status" -eq 0 ]
  [ "${stderr_lines[-1]}" = "make-sample-disc.sh: $disc.accepted is not the sample's list of accepted warnings; left as it is" ]
  [ "$(cat "$disc.accepted")" = 'Hints\mine.txt is empty' ]
  mkdir "$BATS_TEST_TMPDIR/empty"
  run "$TOOLS/make-sample-disc.sh" "$BATS_TEST_TMPDIR/empty"
  [ "$status" -eq 0 ]
  [ "$(stat -c %a "$BATS_TEST_TMPDIR/empty")" = "$(stat -c %a "$disc")" ]
}

@test "make-sample-disc refuses a file in place of the folder" {
  echo "mine" >"$BATS_TEST_TMPDIR/notes.txt"
  run --separate-stderr "$TOOLS/make-sample-disc.sh" "$BATS_TEST_TMPDIR/notes.txt"
  [ "$status" -eq 1 ]
  [ "$stderr" = "make-sample-disc.sh: $BATS_TEST_TMPDIR/notes.txt is no folder; it is left as it is" ]
  [ "$(cat "$BATS_TEST_TMPDIR/notes.txt")" = mine ]
}

@test "make-release refuses a wrong command line or build before building anything" {
  for args in "--sign" "--timestamp http://ts.example" "--password-file pw.txt" "extra" \
      "--sign my.pfx --colour red"; do
    # shellcheck disable=SC2086 # one test case's words
    run --separate-stderr "$TOOLS/make-release.sh" $args
    [ "$status" -eq 2 ] || { echo "$args: $status"; false; }
    [[ "${stderr_lines[-1]}" == "usage: make-release.sh [--sign <pfx> "* ]]
  done
  DEMODISC_RELEASE_PRESET=windows-tests run --separate-stderr "$TOOLS/make-release.sh"
  [ "$status" -eq 2 ]
  [ "$stderr" = "make-release.sh: DEMODISC_RELEASE_PRESET is windows or windows64, not windows-tests" ]
  [ ! -e "$DEMODISC_BUILD_DIR" ]
}
