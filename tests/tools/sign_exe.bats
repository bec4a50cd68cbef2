#!/usr/bin/env bats
# The signing tool on copies of the built DemoDisc.exe and of a stand-in (the
# bench's floor.exe), with throwaway self-signed certificates made in the
# test's temporary folder: what it signs verifies and keeps the exe's PE
# flags and checksum; each bad input is one line, a failing status and the
# exe byte for byte as it was.
# DEMODISC_EXE and DEMODISC_STAND_IN_EXE name the built programs.

bats_require_minimum_version 1.5.0
load support
stderr="" stderr_lines=()  # set by bats' run --separate-stderr

setup_file() {
  local certs=$BATS_FILE_TMPDIR/certs
  "$BATS_TEST_DIRNAME/make-test-certificate.sh" "$certs" signer codeSigning
  "$BATS_TEST_DIRNAME/make-test-certificate.sh" "$certs" web serverAuth
}

setup() {
  if [ ! -f "${DEMODISC_EXE:-}" ] || [ ! -f "${DEMODISC_STAND_IN_EXE:-}" ]; then
    echo "DEMODISC_EXE and DEMODISC_STAND_IN_EXE must name the built programs" >&2
    return 1
  fi
  certs=$BATS_FILE_TMPDIR/certs
  pfx=$certs/signer.pfx
  password=$certs/password.txt
  exes=$BATS_TEST_TMPDIR/exes
  mkdir -p "$exes" "$BATS_TEST_TMPDIR/originals" "$BATS_TEST_TMPDIR/tmp"
  cp "$DEMODISC_EXE" "$exes/DemoDisc.exe"
  cp "$DEMODISC_STAND_IN_EXE" "$exes/floor.exe"
  cp "$exes"/*.exe "$BATS_TEST_TMPDIR/originals/"
  # The tool's own temporary files go here, so that a test sees them.
  export TMPDIR=$BATS_TEST_TMPDIR/tmp
}

# The exes as they were, and nothing left beside them or in TMPDIR.
unchanged() {
  cmp "$exes/DemoDisc.exe" "$BATS_TEST_TMPDIR/originals/DemoDisc.exe"
  cmp "$exes/floor.exe" "$BATS_TEST_TMPDIR/originals/floor.exe"
  nothing_left
}
nothing_left() {
  [ "$(ls -A "$exes")" = "$(printf 'DemoDisc.exe\nfloor.exe')" ] || { ls -A "$exes"; false; }
  [ -z "$(ls -A "$TMPDIR")" ] || { ls -A "$TMPDIR"; false; }
}
sign() { run --separate-stderr "$TOOLS/sign-exe.sh" "$@"; }
# The one line a bad input gives: status 1, the message, the exes as they were.
refused() {
  [ "$status" -eq 1 ] || { echo "status $status: $stderr"; false; }
  [ "${#stderr_lines[@]}" -eq 1 ] || { printf '%s\n' "${stderr_lines[@]}"; false; }
  [ "$stderr" = "sign-exe.sh: $1" ] || { echo "$stderr"; false; }
  unchanged
}

@test "both exes signed in place verify against the certificate; DemoDisc.exe keeps its PE flags and checksum" {
  # Unsigned, neither verifies: the check below can fail.
  run osslsigncode verify -CAfile "$certs/signer.pem" -in "$exes/floor.exe"
  [ "$status" -ne 0 ]
  sign --pfx "$pfx" --password-file "$password" "$exes/DemoDisc.exe" "$exes/floor.exe"
  [ "$status" -eq 0 ] || { echo "$stderr"; false; }
  [ "${lines[0]}" = "sign-exe.sh: signed $exes/DemoDisc.exe (SHA-256, verified)" ]
  [ "${lines[1]}" = "sign-exe.sh: signed $exes/floor.exe (SHA-256, verified)" ]
  # Without --timestamp the expiry is said once for all exes.
  [ "${#stderr_lines[@]}" -eq 1 ]
  [[ $stderr == "sign-exe.sh: no --timestamp: the signatures will stop validating when the certificate expires ("*")" ]]
  for exe in DemoDisc.exe floor.exe; do
    run ! cmp -s "$exes/$exe" "$BATS_TEST_TMPDIR/originals/$exe"
    run osslsigncode verify -CAfile "$certs/signer.pem" -in "$exes/$exe"
    [ "$status" -eq 0 ] || { echo "$exe: $output"; false; }
    [[ $output == *"Signature verification: ok"* ]]
    [[ $output == *"Message digest algorithm  : SHA256"* ]]
  done
  python3 "$TOOLS/pe_swap_run.py" --check "$exes/DemoDisc.exe"
  nothing_left
}

@test "a signed exe is signed again with one signature; a password file with a Windows line end works" {
  printf '%s\r\n' "$(head -n 1 "$password")" >"$BATS_TEST_TMPDIR/password-crlf.txt"
  sign --pfx "$pfx" --password-file "$BATS_TEST_TMPDIR/password-crlf.txt" "$exes/floor.exe"
  [ "$status" -eq 0 ] || { echo "$stderr"; false; }
  sign --pfx "$pfx" --password-file "$password" "$exes/floor.exe"
  [ "$status" -eq 0 ] || { echo "$stderr"; false; }
  run osslsigncode verify -CAfile "$certs/signer.pem" -in "$exes/floor.exe"
  [[ $output == *"Number of verified signatures: 1"* ]]
}

@test "the password never goes on a command line" {
  stand_in osslsigncode 'exec /usr/bin/osslsigncode "$@"'
  stand_in openssl 'exec /usr/bin/openssl "$@"'
  sign --pfx "$pfx" --password-file "$password" "$exes/floor.exe"
  [ "$status" -eq 0 ] || { echo "$stderr"; false; }
  grep -q '^osslsigncode sign ' "$BATS_TEST_TMPDIR/commands.log"
  grep -q '^openssl pkcs12 ' "$BATS_TEST_TMPDIR/commands.log"
  secret=$(head -n 1 "$password")
  run ! grep -F "${secret#throwaway }" "$BATS_TEST_TMPDIR/commands.log"
}

@test "a wrong password: one line, the exes as they were" {
  echo "not the password" >"$BATS_TEST_TMPDIR/wrong.txt"
  sign --pfx "$pfx" --password-file "$BATS_TEST_TMPDIR/wrong.txt" "$exes/DemoDisc.exe" "$exes/floor.exe"
  refused "wrong password for $pfx (read from $BATS_TEST_TMPDIR/wrong.txt)"
  sign --pfx "$pfx" "$exes/DemoDisc.exe"
  refused "$pfx needs a password: name a file that holds it (--password-file)"
}

@test "a missing certificate file: one line, the exes as they were" {
  sign --pfx "$BATS_TEST_TMPDIR/none.pfx" --password-file "$password" "$exes/DemoDisc.exe"
  refused "certificate file $BATS_TEST_TMPDIR/none.pfx: no such file"
}

@test "an unreadable certificate file: one line, the exes as they were" {
  sign --pfx "$certs" --password-file "$password" "$exes/DemoDisc.exe"
  refused "certificate file $certs is not a file"
  # Root reads a file of any permissions.
  if [ "$(id -u)" -ne 0 ]; then
    cp "$pfx" "$BATS_TEST_TMPDIR/locked.pfx"
    chmod 000 "$BATS_TEST_TMPDIR/locked.pfx"
    sign --pfx "$BATS_TEST_TMPDIR/locked.pfx" --password-file "$password" "$exes/DemoDisc.exe"
    refused "certificate file $BATS_TEST_TMPDIR/locked.pfx cannot be read (permission denied)"
  fi
}

@test "a file that is no .pfx: one line, the exes as they were" {
  cp "$certs/signer.pem" "$BATS_TEST_TMPDIR/signer.pfx"
  sign --pfx "$BATS_TEST_TMPDIR/signer.pfx" --password-file "$password" "$exes/DemoDisc.exe"
  refused "$BATS_TEST_TMPDIR/signer.pfx is not a PKCS#12 (.pfx) certificate file that openssl can read"
}

@test "a certificate that is not for code signing: one line, the exes as they were" {
  sign --pfx "$certs/web.pfx" --password-file "$password" "$exes/DemoDisc.exe" "$exes/floor.exe"
  refused "the certificate in $certs/web.pfx (CN = DemoDisc test signer (serverAuth)) is not for code signing: its extended key usage lacks codeSigning"
}

@test "an exe that is no PE: one line, and no exe signed" {
  for bad in "text" "MZ, then nothing" "MZ pointing past the end"; do
    case $bad in
      text) echo "not a program" >"$exes/bad.exe" ;;
      "MZ, then nothing") printf 'MZ' >"$exes/bad.exe" ;;
      *) { printf 'MZ'; head -c 58 /dev/zero; printf '\377\377\0\0'; } >"$exes/bad.exe" ;;
    esac
    cp "$exes/bad.exe" "$BATS_TEST_TMPDIR/bad.exe"
    # The good exe named first is not signed either.
    sign --pfx "$pfx" --password-file "$password" "$exes/DemoDisc.exe" "$exes/bad.exe"
    cmp "$exes/bad.exe" "$BATS_TEST_TMPDIR/bad.exe"
    rm "$exes/bad.exe"
    refused "$exes/bad.exe is not a Windows program (no PE header); nothing was signed"
  done
  sign --pfx "$pfx" --password-file "$password" "$exes/gone.exe"
  refused "$exes/gone.exe: no such file"
}

@test "a time-stamping server that does not answer, or a signature that fails to verify, leaves the exe as it was" {
  # With a server there is no note about the expiry; nothing listens on port 1.
  sign --pfx "$pfx" --password-file "$password" --timestamp http://127.0.0.1:1/ "$exes/DemoDisc.exe"
  [[ $stderr == "sign-exe.sh: osslsigncode could not sign $exes/DemoDisc.exe ("?*"); it is left as it was" ]]
  [ "$status" -eq 1 ]
  [ "${#stderr_lines[@]}" -eq 1 ]
  unchanged
  # shellcheck disable=SC2016 # the stand-in's body expands when it runs
  stand_in osslsigncode '[ "$1" = verify ] && { echo "Signature verification: failed"; exit 1; }; exec /usr/bin/osslsigncode "$@"'
  sign --pfx "$pfx" --password-file "$password" "$exes/floor.exe"
  [ "$status" -eq 1 ]
  [ "${stderr_lines[1]}" = "sign-exe.sh: the signature of $exes/floor.exe does not verify (Signature verification: failed); it is left as it was" ]
  unchanged
}

@test "wrong or missing arguments print the usage; a missing osslsigncode is named" {
  for args in "" "--pfx" "--pfx $pfx" "$exes/floor.exe" "--pfx $pfx --password-file" \
    "--pfx $pfx --sign $exes/floor.exe" "--pfx $pfx --timestamp"; do
    # shellcheck disable=SC2086 # the words of each case
    sign $args
    [ "$status" -eq 2 ] || { echo "[$args] $status $stderr"; false; }
    [ "$stderr" = "usage: sign-exe.sh --pfx <file> [--password-file <file>] [--timestamp <url>] <exe>..." ]
  done
  PATH=$(path_without osslsigncode) sign --pfx "$pfx" "$exes/floor.exe"
  [ "$status" -eq 3 ]
  [ "$stderr" = "sign-exe.sh: osslsigncode is missing: install the Debian package osslsigncode (tools/install-deps.sh as root)" ]
  unchanged
}
