#!/usr/bin/env bash
# Makes the release that a disc maker on Windows downloads and unpacks:
# build/release/DemoDisc-<version>.zip, whose folder DemoDisc-<version> holds
#   DemoDisc.exe (the PE32) and DemoDiscCheck.exe, signed with --sign;
#   sample-disc/, laid out by make-sample-disc.sh, and its accepted findings
#   beside it (sample-disc.accepted), where the disc check looks for them;
#   example-DemoDisc.ini, a disc's own catalogue with comments;
#   the disc maker's guide, the check's JSON and rules pages, as Markdown and HTML;
#   THIRD-PARTY.txt and CHANGELOG.md.
# Prints the zip's path. The version is the project's (top CMakeLists.txt).
#   make-release.sh [--sign <pfx> [--password-file <file>] [--timestamp <url>]]
# DEMODISC_RELEASE_PRESET=windows64 makes the same release of the PE32+ test
# build, for the release's test where no 32-bit code runs; that zip is named
# DemoDisc-<version>-pe32plus-test.zip and is never shipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  echo "usage: make-release.sh [--sign <pfx> [--password-file <file>] [--timestamp <url>]]" >&2
  exit 2
}
sign=()
pfx=""
while [ $# -gt 0 ]; do
  case $1 in
    --sign) [ $# -ge 2 ] || usage; pfx=$2; sign+=(--pfx "$2"); shift 2 ;;
    --password-file | --timestamp) [ $# -ge 2 ] || usage; sign+=("$1" "$2"); shift 2 ;;
    *) usage ;;
  esac
done
if [ ${#sign[@]} -gt 0 ] && [ -z "$pfx" ]; then
  echo "make-release.sh: --password-file and --timestamp go with --sign" >&2
  usage
fi

version=$(sed -n 's/^project(DemoDisc VERSION \([0-9][0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "make-release.sh: no version in $root/CMakeLists.txt" >&2; exit 1; }
preset=${DEMODISC_RELEASE_PRESET:-windows}
case $preset in
  windows) name=DemoDisc-$version ;;
  windows64) name=DemoDisc-$version-pe32plus-test ;;
  *) echo "make-release.sh: DEMODISC_RELEASE_PRESET is windows or windows64, not $preset" >&2; exit 2 ;;
esac

"$root/tools/install-deps.sh"
. "$root/tools/wine-env.sh"
. "$root/tools/windows-build.sh"
base=$(demodisc_build_dir)
tree=$base/$preset
log=$base/release.log
mkdir -p "$base/release"
demodisc_build_product "$preset" "$tree" DemoDisc DemoDiscCheck player_stand_in installer_stand_in \
  >"$log" 2>&1 || demodisc_fail "make-release.sh: the build failed; its output is in $log"

# Staged afresh in a folder of the release's name, then zipped whole.
stage=$base/release/$name
rm -rf -- "$stage" "$stage.zip"
mkdir -p "$stage"
cp "$tree/DemoDisc.exe" "$tree/DemoDiscCheck.exe" "$stage/"
if [ -n "$pfx" ]; then
  "$root/tools/sign-exe.sh" "${sign[@]}" "$stage/DemoDisc.exe" "$stage/DemoDiscCheck.exe"
fi
# The sample disc takes its stand-ins from the folder beside the exe.
cp -r "$tree/stand-ins" "$stage/stand-ins"
"$root/tools/make-sample-disc.sh" "$stage/sample-disc" "$stage/DemoDisc.exe" >>"$log" 2>&1 ||
  demodisc_fail "make-release.sh: the sample disc could not be laid out; see $log"
rm -rf -- "$stage/stand-ins"
# An example of a disc's own DemoDisc.ini, with comments, beside the sample.
cp "$root/tools/sample-disc/example-DemoDisc.ini" "$stage/"
pages=("$root/docs/making-a-disc.md" "$root/docs/disc-check-json.md" "$root/docs/disc-check-rules.md")
for page in "${pages[@]}"; do
  cp "$page" "$stage/"
  /usr/bin/python3 "$root/tools/markdown_page.py" "$page" "$stage/$(basename "${page%.md}").html" \
    "${pages[@]}"
done
cp "$root/THIRD-PARTY.txt" "$root/CHANGELOG.md" "$stage/"
(cd "$base/release" && zip -qrX "$name.zip" "$name")
echo "$base/release/$name.zip"
