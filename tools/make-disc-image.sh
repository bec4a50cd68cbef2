#!/usr/bin/env bash
# Builds a burnable ISO 9660 image with Joliet names of a disc folder, with
# DemoDisc.exe at its root and an autorun.inf that starts it and gives the
# disc its icon and label.
#   make-disc-image.sh <image.iso> [disc-folder]
# Without a folder it builds the exe and lays out the sample disc first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
image=$1
disc=${2:-}
"$root/tools/install-deps.sh"

if [ -z "$disc" ]; then
  build=${DEMODISC_BUILD_DIR:-$root/build}/windows
  . "$root/tools/windows-build.sh"
  demodisc_build_product windows "$build" sample_disc >/dev/null
  disc=$build/disc
fi
[ -f "$disc/DemoDisc.exe" ] || { echo "no DemoDisc.exe at the root of $disc" >&2; exit 1; }

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
