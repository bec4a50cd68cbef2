#!/usr/bin/env bash
# Builds a burnable ISO 9660 image with Joliet names of a disc folder, with
# DemoDisc.exe at its root and an autorun.inf that starts it and gives the
# disc its icon and label. The disc check (tools/check-disc.sh) runs first:
# with errors no image is built, unless --force; its warnings are printed
# and the image is built.
#   make-disc-image.sh <image.iso> [disc-folder] [--force]
# Without a folder it builds the exe and lays out the sample disc first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
force=0
args=()
for arg in "$@"; do
  case "$arg" in
    --force) force=1 ;;
    *) args+=("$arg") ;;
  esac
done
image=${args[0]:?usage: make-disc-image.sh <image.iso> [disc-folder] [--force]}
disc=${args[1]:-}
# The dependency installer only when the image tool is missing.
command -v xorriso >/dev/null || "$root/tools/install-deps.sh"

if [ -z "$disc" ]; then
  build=${DEMODISC_BUILD_DIR:-$root/build}/windows
  . "$root/tools/windows-build.sh"
  demodisc_build_product windows "$build" sample_disc >/dev/null
  disc=$build/disc
fi
[ -f "$disc/DemoDisc.exe" ] || { echo "no DemoDisc.exe at the root of $disc" >&2; exit 1; }

if [ $force -eq 0 ]; then
  rc=0
  report=$("$root/tools/check-disc.sh" "$disc") || rc=$?
  # The errors and warnings, and the counts.
  printf '%s\n' "$report" | grep -E '^  (error|warning) |^[0-9]+ errors?, [0-9]+ warnings?$' || true
  case $rc in
    0) ;;
    1) echo "make-disc-image.sh: the disc check found errors, no image built" \
         "(tools/check-disc.sh $disc shows the whole report; --force builds it anyway)" >&2
       exit 1 ;;
    *) printf '%s\n' "$report" >&2
       echo "make-disc-image.sh: the disc check failed (status $rc), no image built" >&2
       exit "$rc" ;;
  esac
fi

# autorun.inf is read in the system's ANSI code page: plain ASCII keeps it
# readable on every Windows.
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
printf '[autorun]\r\nopen=DemoDisc.exe\r\nicon=DemoDisc.exe,0\r\nlabel=DemoDisc\r\n' > "$staging/autorun.inf"

rm -f "$image"
xorriso -report_about WARNING -in_charset UTF-8 -out_charset UTF-8 \
  -outdev "$image" -volid DEMODISC -joliet on -rockridge off \
  -map "$disc" / -map "$staging/autorun.inf" /autorun.inf -commit >/dev/null 2>&1
echo "disc image: $image"
