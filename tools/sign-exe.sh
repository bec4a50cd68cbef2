#!/usr/bin/env bash
# Signs Windows programs in place with a code-signing certificate (Authenticode,
# SHA-256, osslsigncode), and verifies each signature against the certificate
# before the program is replaced. Each exe is signed into a copy in its own
# folder, the copy verified, and only then moved over the exe: a wrong
# password, a certificate that is not for code signing, a file that is no
# Windows program or a failed signature leaves every exe byte for byte as it
# was. Every input is checked before the first exe is signed.
#   sign-exe.sh --pfx <file> [--password-file <file>] [--timestamp <url>] <exe>...
# The password is read from the file's first line; it never goes on a command
# line. --timestamp names an RFC 3161 time-stamping server; without one the
# signature stops validating when the certificate expires.
# Ends with 0 when every exe is signed, 1 when one is not (the line before
# says why), 2 for wrong arguments, 3 when osslsigncode or openssl is missing.
set -euo pipefail
usage="usage: sign-exe.sh --pfx <file> [--password-file <file>] [--timestamp <url>] <exe>..."
pfx="" password_file="" timestamp=""
exes=()
while [ $# -gt 0 ]; do
  case "$1" in
    --pfx | --password-file | --timestamp)
      if [ $# -lt 2 ] || [ -z "$2" ]; then echo "$usage" >&2; exit 2; fi
      case "$1" in
        --pfx) pfx=$2 ;;
        --password-file) password_file=$2 ;;
        --timestamp) timestamp=$2 ;;
      esac
      shift ;;
    --) shift; exes+=("$@"); break ;;
    -*) echo "$usage" >&2; exit 2 ;;
    *) exes+=("$1") ;;
  esac
  shift
done
if [ -z "$pfx" ] || [ ${#exes[@]} -eq 0 ]; then echo "$usage" >&2; exit 2; fi

fail() {
  echo "sign-exe.sh: $*" >&2
  exit 1
}
for tool in osslsigncode openssl; do
  command -v "$tool" >/dev/null || {
    echo "sign-exe.sh: $tool is missing: install the Debian package $tool (tools/install-deps.sh as root)" >&2
    exit 3
  }
done

# Fails unless $2 is a file this user can read; $1 says what it is.
readable_file() {
  if [ ! -e "$2" ]; then fail "$1 $2: no such file"
  elif [ ! -f "$2" ]; then fail "$1 $2 is not a file"
  elif [ ! -r "$2" ]; then fail "$1 $2 cannot be read (permission denied)"
  fi
}
readable_file "certificate file" "$pfx"
[ -z "$password_file" ] || readable_file "password file" "$password_file"

# True for a PE image: "MZ", and "PE\0\0" where the DOS header points.
is_pe() {
  local at
  [ "$(od -An -tx1 -N2 "$1" | tr -d ' \n')" = 4d5a ] || return 1
  at=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' \n')
  [ -n "$at" ] && [ "$(od -An -tx1 -j"$at" -N4 "$1" 2>/dev/null | tr -d ' \n')" = 50450000 ]
}
for exe in "${exes[@]}"; do
  if [ ! -e "$exe" ]; then fail "$exe: no such file"
  elif [ ! -f "$exe" ]; then fail "$exe is not a file"
  elif [ ! -r "$exe" ]; then fail "$exe cannot be read (permission denied)"
  elif ! is_pe "$exe"; then fail "$exe is not a Windows program (no PE header); nothing was signed"
  elif [ ! -w "$(dirname "$(readlink -f -- "$exe")")" ]; then fail "$exe: its folder is not writable, so it cannot be replaced"
  fi
done

temp=$(mktemp -d "${TMPDIR:-/tmp}/sign-exe.XXXXXX")
beside=""  # the folder of the copy being signed, beside its exe
cleanup() {
  rm -rf -- "$temp"
  [ -z "$beside" ] || rm -rf -- "$beside"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -n "$password_file" ]; then
  # The first line, without the carriage return a Windows editor ends it
  # with, in a file of the temporary folder only this user can read.
  line=""
  IFS= read -r line <"$password_file" || true
  (umask 077 && printf '%s' "${line%$'\r'}" >"$temp/password")
  passin=(-passin "file:$temp/password")
  readpass=(-readpass "$temp/password")
else
  passin=(-passin pass:)
  readpass=()
fi
# The certificates the .pfx holds: the signer's, and any chain it carries.
# OpenSSL 3 reads the older RC2-encrypted files only with its legacy provider.
read_pfx() {
  openssl pkcs12 -in "$pfx" "${passin[@]}" -nokeys "$@" -out "$temp/certs.pem" 2>"$temp/openssl.log" ||
    { grep -qi unsupported "$temp/openssl.log" &&
      openssl pkcs12 -legacy -in "$pfx" "${passin[@]}" -nokeys "$@" -out "$temp/certs.pem" 2>"$temp/openssl.log"; }
}
if ! read_pfx; then
  if grep -qi 'invalid password\|mac verify' "$temp/openssl.log"; then
    [ -n "$password_file" ] || fail "$pfx needs a password: name a file that holds it (--password-file)"
    fail "wrong password for $pfx (read from $password_file)"
  fi
  fail "$pfx is not a PKCS#12 (.pfx) certificate file that openssl can read"
fi
read_pfx -clcerts
mv "$temp/certs.pem" "$temp/signer.pem"
read_pfx
grep -q 'BEGIN CERTIFICATE' "$temp/signer.pem" || fail "$pfx holds no certificate"

subject=$(openssl x509 -in "$temp/signer.pem" -noout -subject -nameopt oneline | sed 's/^subject= *//')
usage_ext=$(openssl x509 -in "$temp/signer.pem" -noout -ext extendedKeyUsage 2>/dev/null || true)
case "$usage_ext" in
  *"Code Signing"*) ;;
  "") fail "the certificate in $pfx ($subject) is not for code signing: it has no extended key usage codeSigning" ;;
  *) fail "the certificate in $pfx ($subject) is not for code signing: its extended key usage lacks codeSigning" ;;
esac

expires=$(openssl x509 -in "$temp/signer.pem" -noout -enddate | sed 's/^notAfter=//')
timestamping=()
if [ -n "$timestamp" ]; then
  timestamping=(-ts "$timestamp")
else
  echo "sign-exe.sh: no --timestamp: the signatures will stop validating when the certificate" \
    "expires ($expires)" >&2
fi

# Verified against the .pfx's own certificates (a self-signed one is its own
# root) and the system's roots; certificate revocation lists are not fetched.
cat "$temp/certs.pem" >"$temp/ca.pem"
roots=/etc/ssl/certs/ca-certificates.crt
[ ! -r "$roots" ] || cat "$roots" >>"$temp/ca.pem"
verifying=(-CAfile "$temp/ca.pem")
[ -z "$timestamp" ] || [ ! -r "$roots" ] || verifying+=(-TSA-CAfile "$roots")
help=$(osslsigncode -h 2>&1 || true)
case "$help" in *-ignore-cdp*) verifying+=(-ignore-cdp) ;; esac

# What went wrong, in osslsigncode's words: its first line of errors, else
# the last line of its report that names a failure.
osslsigncode_log=("$temp/osslsigncode.out" "$temp/osslsigncode.err")
why() {
  { grep -m 1 . "$temp/osslsigncode.err" ||
      grep -i 'error\|fail' "$temp/osslsigncode.out" | grep -vx Failed | tail -n 1; } || true
}

for exe in "${exes[@]}"; do
  # A link stays a link: the file it points to is signed.
  target=$(readlink -f -- "$exe")
  beside=$(mktemp -d "$(dirname "$target")/.sign-exe.XXXXXX")
  signed=$beside/$(basename "$target")
  if ! osslsigncode sign -pkcs12 "$pfx" "${readpass[@]}" -h sha256 "${timestamping[@]}" \
      -in "$target" -out "$signed" >"${osslsigncode_log[0]}" 2>"${osslsigncode_log[1]}"; then
    fail "osslsigncode could not sign $exe ($(why)); it is left as it was"
  fi
  if ! osslsigncode verify "${verifying[@]}" -in "$signed" >"${osslsigncode_log[0]}" 2>"${osslsigncode_log[1]}"; then
    fail "the signature of $exe does not verify ($(why)); it is left as it was"
  fi
  chmod --reference="$target" "$signed"
  chown --reference="$target" "$signed" 2>/dev/null || true
  mv -f -- "$signed" "$target"
  rm -rf -- "$beside"
  beside=""
  echo "sign-exe.sh: signed $exe (SHA-256, verified)"
done
