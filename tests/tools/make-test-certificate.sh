#!/usr/bin/env bash
# Makes a throwaway self-signed certificate for the signing tool's tests, in
# a folder of the test's own (never in the repository): <name>.pfx, protected
# by the password in password.txt, and its certificate alone as <name>.pem.
#   make-test-certificate.sh <folder> <name> <extended key usage, as openssl names it>
# "codeSigning" makes one a disc maker can sign with; "serverAuth" one that
# is not for code signing.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: make-test-certificate.sh <folder> <name> <extended key usage>" >&2; exit 2; }
folder=$1 name=$2 usage=$3
mkdir -p "$folder"
[ -f "$folder/password.txt" ] || printf 'throwaway %s\n' "$RANDOM$RANDOM" >"$folder/password.txt"
openssl req -x509 -newkey rsa:2048 -nodes -days 7 -subj "/CN=DemoDisc test signer ($usage)" \
  -addext "extendedKeyUsage=$usage" -addext "keyUsage=digitalSignature" \
  -keyout "$folder/$name.key" -out "$folder/$name.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$folder/$name.key" -in "$folder/$name.pem" \
  -passout "file:$folder/password.txt" -out "$folder/$name.pfx"
rm -f -- "$folder/$name.key"
