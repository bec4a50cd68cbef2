#!/usr/bin/env bash
# Builds a burnable ISO 9660 image with Joliet names of a disc folder, with
# DemoDisc.exe at its root and an autorun.inf that starts it and gives the
# disc its icon and label. The disc check (tools/check-disc.sh) runs first:
# with errors no image is built, unless --force, which prints the whole
# report and builds it all the same; otherwise its errors and warnings are
# printed. Links are stored as what they point to. The image's root gets
# DISC.SHA256, the SHA-256 of each of its files in sha256sum's lines (the
# folder is left as it is), against which the check's --verify reads a
# burnt disc back. Every message of xorriso is shown, and any warning of it
# fails the build. The image is then read back: every file of the folder
# must be there under its name, with its size, and DISC.SHA256 as written;
# on any difference the image is removed, with one line per difference.
#   make-disc-image.sh <image.iso> [disc-folder] [--force] [--strict]
#                      [--accept <file>] [--label <text>] [--new-autorun]
# --strict and --accept go to the check. --label sets the volume label; a
# disc's own autorun.inf is kept, and its label used, unless --new-autorun.
# Without a folder it builds the exe and lays out the sample disc first, and
# takes the sample's accepted findings (tools/sample-disc/accepted.txt); the
# sample's stand-ins for the player and the reader installer are errors, so
# its image needs --force.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: make-disc-image.sh <image.iso> [disc-folder] [--force] [--strict] [--accept <file>] [--label <text>] [--new-autorun]"
force=0 strict=0 new_autorun=0 label=
check_args=()
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --force) force=1 ;;
    --strict) strict=1; check_args+=(--strict) ;;
    --accept | --label)
      [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
      if [ "$1" = --label ]; then label=$2; else check_args+=(--accept "$2"); fi
      shift ;;
    --new-autorun) new_autorun=1 ;;
    --*) echo "$usage" >&2; exit 2 ;;
    *) args+=("$1") ;;
  esac
  shift
done
if [ ${#args[@]} -lt 1 ] || [ ${#args[@]} -gt 2 ]; then echo "$usage" >&2; exit 2; fi
image=${args[0]}
disc=${args[1]:-}

# Ends with status $1 and the message, before any image is built. An image
# an earlier run left at the same path is named, so that it is not taken
# for one of this folder.
no_image() {
  local status=$1
  shift
  echo "make-disc-image.sh: $*" >&2
  [ ! -e "$image" ] || echo "make-disc-image.sh: $image is an earlier image, left as it was" >&2
  exit "$status"
}
# The dependency installer only when the image tool is missing.
command -v xorriso >/dev/null || "$root/tools/install-deps.sh"

if [ -z "$disc" ]; then
  build=${DEMODISC_BUILD_DIR:-$root/build}/windows
  . "$root/tools/windows-build.sh"
  demodisc_build_product windows "$build" sample_disc >/dev/null
  disc=$build/disc
  # The sample disc's own accepted findings, unless others are named.
  case " ${check_args[*]} " in
    *" --accept "*) ;;
    *) check_args+=(--accept "$root/tools/sample-disc/accepted.txt") ;;
  esac
fi
# The start program as Windows finds it: letter case ignored.
exe=$(find "$disc" -maxdepth 1 -iname DemoDisc.exe -print -quit 2>/dev/null || true)
[ -n "$exe" ] || no_image 1 "no DemoDisc.exe at the root of $disc"
exe=$(basename "$exe")

rc=0
report=$("$root/tools/check-disc.sh" "$disc" "${check_args[@]}") || rc=$?
if [ $force -eq 1 ]; then
  printf '%s\n' "$report"
else
  # The errors and warnings, and the counts.
  printf '%s\n' "$report" | grep -E '^  (error|warning) |^[0-9]+ errors?, [0-9]+ warnings?' || true
fi
case $rc in
  0) ;;
  1) if [ $force -eq 0 ]; then
       no_image 1 "the disc check found errors$([ $strict -eq 0 ] || echo " or warnings"), no image" \
         "built (tools/check-disc.sh $disc shows the whole report; --force builds it anyway)"
     fi
     echo "make-disc-image.sh: --force: building the image despite the check" >&2 ;;
  *) [ $force -eq 1 ] || printf '%s\n' "$report" >&2
     no_image "$rc" "the disc check failed (status $rc), no image built" ;;
esac

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
# A disc maker's own autorun.inf stays, and gives the label.
own_autorun=$(find "$disc" -maxdepth 1 -iname autorun.inf -print -quit)
autorun_name=autorun.inf
map_autorun=()
if [ -n "$own_autorun" ] && [ $new_autorun -eq 0 ]; then
  if [ -z "$label" ]; then
    label=$(tr -d '\r' < "$own_autorun" |
      sed -n 's/^[[:space:]]*[Ll][Aa][Bb][Ee][Ll][[:space:]]*=[[:space:]]*//p' | head -n 1)
  fi
  echo "make-disc-image.sh: keeping the disc's own $(basename "$own_autorun")"
else
  label=${label:-DemoDisc}
  [ -z "$own_autorun" ] || autorun_name=$(basename "$own_autorun")
  # autorun.inf is read in the system's ANSI code page: plain ASCII keeps it
  # readable on every Windows.
  printf '[autorun]\r\nopen=%s\r\nicon=%s,0\r\nlabel=%s\r\n' "$exe" "$exe" "$label" \
    > "$staging/autorun.inf"
  map_autorun=(-map "$staging/autorun.inf" "/$autorun_name")
fi
# DISC.SHA256: every file of the image by its path there, the folder's in
# C order; a DISC.SHA256 of the folder's own (letter case ignored) gives
# way to it.
own_manifest=$(find "$disc" -maxdepth 1 -iname DISC.SHA256 -print -quit)
manifest_name=$(basename "${own_manifest:-DISC.SHA256}")
[ -z "$own_manifest" ] ||
  echo "make-disc-image.sh: the disc's own $manifest_name is replaced by the image's checksums"
(cd "$disc" && find -L . -type f -printf '%P\0' | LC_ALL=C sort -z |
  grep -zvx -e "$manifest_name" ${map_autorun[@]:+-e "$autorun_name"} | xargs -0 -r sha256sum --) \
  > "$staging/manifest"
if [ ${#map_autorun[@]} -gt 0 ]; then
  printf '%s  %s\n' "$(sha256sum < "$staging/autorun.inf" | cut -d' ' -f1)" "$autorun_name" \
    >> "$staging/manifest"
fi
mv "$staging/manifest" "$staging/DISC.SHA256"

# The volume id as ISO 9660 allows it: capitals, digits and "_", at most 32.
volid=$(printf '%s' "${label:-DemoDisc}" | tr '[:lower:] ' '[:upper:]_' | tr -cd 'A-Z0-9_' | cut -c1-32)
volid=${volid:-DEMODISC}

rm -f "$image"
xorriso_rc=0
xorriso -report_about WARNING -return_with WARNING 32 -in_charset UTF-8 -out_charset UTF-8 \
  -outdev "$image" -volid "$volid" -joliet on -rockridge off -follow link \
  -map "$disc" / "${map_autorun[@]}" -map "$staging/DISC.SHA256" "/$manifest_name" -commit >"$staging/xorriso.log" 2>&1 || xorriso_rc=$?
# Every message but xorriso's greeting.
grep -v '^xorriso [0-9.]* : RockRidge filesystem manipulator' "$staging/xorriso.log" |
  grep -v '^$' | sed 's/^/xorriso: /' >&2 || true
if [ $xorriso_rc -ne 0 ]; then
  rm -f "$image"
  echo "make-disc-image.sh: xorriso warned or failed (status $xorriso_rc), image removed" >&2
  exit 1
fi

# What the folder holds and what the image's Joliet tree holds: "path<TAB>size".
(cd "$disc" && find -L . -type f -printf '%P\t%s\n') > "$staging/folder.txt"
if [ ${#map_autorun[@]} -gt 0 ]; then
  grep -v "^$autorun_name$(printf '\t')" "$staging/folder.txt" > "$staging/folder.new" || true
  printf '%s\t%s\n' "$autorun_name" "$(stat -c %s "$staging/autorun.inf")" >> "$staging/folder.new"
  mv "$staging/folder.new" "$staging/folder.txt"
fi
grep -v "^$manifest_name$(printf '\t')" "$staging/folder.txt" > "$staging/folder.new" || true
printf '%s\t%s\n' "$manifest_name" "$(stat -c %s "$staging/DISC.SHA256")" >> "$staging/folder.new"
LC_ALL=C sort -o "$staging/folder.txt" "$staging/folder.new"
xorriso -report_about WARNING -indev "$image" -read_fs norock -joliet on -find / -type f \
  -exec lsdl -- 2>/dev/null |
  sed -E "s/^[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ +([0-9]+) +[^ ]+ +[^ ]+ +[^ ]+ +'\\/(.*)'\$/\\2\t\\1/" |
  sed "s/'\"'\"'/'/g" | LC_ALL=C sort > "$staging/image.txt"
differences=$(LC_ALL=C join -t "$(printf '\t')" -a 1 -a 2 -e '-' -o 0,1.2,2.2 \
  "$staging/folder.txt" "$staging/image.txt" | awk -F '\t' '
  function bytes(n) { return n (n == 1 ? " byte" : " bytes") }
  $3 == "-" { print "not in the image: " $1 " (" bytes($2) ")"; next }
  $2 == "-" { print "in the image but not in the folder: " $1 " (" bytes($3) ")"; next }
  $2 != $3 { print "size differs: " $1 ": " bytes($2) " in the folder, " $3 " in the image" }')
# The manifest as it was written.
xorriso -report_about WARNING -indev "$image" -read_fs norock -joliet on -osirrox on \
  -extract "/$manifest_name" "$staging/read-back.sha256" >/dev/null 2>&1 || true
cmp -s "$staging/DISC.SHA256" "$staging/read-back.sha256" ||
  differences+="${differences:+$'\n'}$manifest_name in the image is not the one written"
if [ -n "$differences" ]; then
  rm -f "$image"
  printf '%s\n' "$differences" | sed 's/^/make-disc-image.sh: /' >&2
  echo "make-disc-image.sh: the image does not hold the folder as it is, image removed" >&2
  exit 1
fi
echo "disc image: $image ($(wc -l < "$staging/folder.txt") files read back, $manifest_name among" \
  "them, label ${label:-DemoDisc}, volume $volid)"
