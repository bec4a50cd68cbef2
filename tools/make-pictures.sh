#!/usr/bin/env bash
# Makes every picture in resources/ from its sources: the SVG drawings in
# resources/svg/ and icons of the Tango theme (public domain). The build does
# not run this script; its output is committed. Run it on Debian, as root if
# a package is missing.
#
# Pictures are 8-bit RGB PNGs, one set per scale. Pictures drawn with a
# transparent colour get a uniform background whose lower-left pixel is that
# colour: partly transparent pixels become either background or fully opaque,
# so no colour halo is blended into the edges.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
res=$root/resources
svg=$res/svg
tango=/usr/share/icons/Tango

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
need=()
for p in imagemagick librsvg2-bin tango-icon-theme; do have_pkg "$p" || need+=("$p"); done
if [ ${#need[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

magenta='#FF00FF'

# svg_png SVG SIZE_W SIZE_H OUT: renders an SVG drawing at the given size.
svg_png() { rsvg-convert -w "$2" -h "$3" -o "$4" "$1"; }

# tango_png CONTEXT/NAME SIZE OUT: a Tango icon at one of its pixel sizes,
# rendered from the scalable drawing when no hand-tuned PNG of that size exists.
tango_png() {
  local png=$tango/${2}x${2}/$1.png
  if [ -f "$png" ]; then cp "$png" "$3"; else svg_png "$tango/scalable/$1.svg" "$2" "$2" "$3"; fi
}

# overlay BASE TOP OUT: lays a transparent picture over another of the same size.
overlay() { convert "$1" "$2" -compose over -composite "$3"; }

# to_png IN BACKGROUND OUT: a picture with the given transparent colour, as an RGB PNG (colour type 2, 8 bits)
# with no date or text chunks, so that the same sources give the same file. Of zlib's level 9 with
# each row filter and strategy it keeps the smallest file: the exe is read whole from the disc.
to_png() {
  convert "$1" -channel A -threshold 50% +channel -background "$2" -alpha remove -alpha off \
    "$work/opaque.png"
  local best="" size filter strategy
  for strategy in 0 1 2 3; do
    for filter in 0 1 2 3 4 5; do
      convert "$work/opaque.png" -strip -define png:color-type=2 -define png:bit-depth=8 \
        -define png:exclude-chunks=all -define png:compression-level=9 \
        -define png:compression-filter="$filter" -define png:compression-strategy="$strategy" \
        "PNG24:$work/try.png"
      size=$(stat -c %s "$work/try.png")
      if [ -z "$best" ] || [ "$size" -lt "$best" ]; then
        best=$size
        cp "$work/try.png" "$3"
      fi
    done
  done
}

# --- The catalogue's sources, in image-index order ------------------------
# One source per index: "tango:CONTEXT/NAME", "svg:FILE" or
# "tango:CONTEXT/NAME+svg:FILE" (a Tango icon with a drawing laid over it).
catalogue=(
  "tango:mimetypes/x-office-presentation"          # 0  main features of the method
  "tango:mimetypes/application-x-executable"       # 1  base software
  "tango:mimetypes/x-office-spreadsheet"           # 2  interpretation of measurements
  "svg:cat03_needle.svg"                           # 3  reflexotherapy
  "svg:cat04_rocket.svg"                           # 4  video: first space flight
  "svg:cat05_orbit.svg"                            # 5  video: second space expedition
  "tango:apps/internet-web-browser"                # 6  internet module
  "svg:cat07_tooth.svg"                            # 7  dentistry
  "svg:cat08_spine.svg"                            # 8  paravertebral module
  "tango:apps/utilities-system-monitor"            # 9  dynamic diagnostics
  "tango:devices/network-wireless"                 # 10 millimetre-wave therapy
  "tango:devices/video-display"                    # 11 demo program
  "tango:devices/computer"                         # 12 software of a hardware complex
  "tango:devices/media-optical"                    # 13 software version on disc
  "tango:emblems/emblem-favorite"                  # 14 heart rate software
  "tango:mimetypes/x-office-document"              # 15 annotation
  "tango:mimetypes/text-x-generic"                 # 16 annotation
  "tango:mimetypes/video-x-generic+svg:cat17_flag.svg"      # 17 video: presentation in Germany
  "tango:devices/camera-video"                     # 18 video: exhibition
  "tango:categories/applications-multimedia+svg:cat19_stars.svg"  # 19 video: European medical week
  "svg:cat20_medal.svg"                            # 20 video: contest laureate
  "svg:cat21_ball.svg"                             # 21 video: extrasensory abilities
  "tango:apps/accessories-text-editor"             # 22 accompanying a therapy
  "svg:cat23_pills.svg"                            # 23 narcology
  "tango:mimetypes/application-certificate"        # 24 certification of healers
  "svg:cat25_leaf.svg"                             # 25 health programme
)

# source_png SPEC SIZE OUT: renders one catalogue source.
source_png() {
  local spec=$1 size=$2 out=$3 base top
  case $spec in
    *+svg:*)
      base=${spec%%+*}; top=${spec#*+svg:}
      tango_png "${base#tango:}" "$size" "$work/base.png"
      svg_png "$svg/$top" "$size" "$size" "$work/top.png"
      overlay "$work/base.png" "$work/top.png" "$out" ;;
    tango:*) tango_png "${spec#tango:}" "$size" "$out" ;;
    svg:*) svg_png "$svg/${spec#svg:}" "$size" "$size" "$out" ;;
  esac
}

[ ${#catalogue[@]} -eq 26 ] || { echo "make-pictures: the catalogue needs 26 pictures" >&2; exit 1; }

# at PERCENT PIXELS: a 96-dpi size in the set of that percentage, rounded to
# the nearest pixel, halves up (as the program's scaling rounds).
at() { echo $((($2 * $1 + 50) / 100)); }

# picture_set PERCENT: every picture at that percentage of its 96-dpi size,
# as PNG files in resources/<percent>/: the 100 % set, and the larger ones
# that screens of a higher resolution draw.
picture_set() {
  local p=$1 out=$res/$1
  mkdir -p "$out"
  # save IN BACKGROUND NAME: the picture with that transparent colour.
  save() { to_png "$1" "$2" "$out/$3.png"; }

  # The catalogue: 26 pictures of 32 x 32 at 96 dpi, in image-index order.
  local s32 i tiles=()
  s32=$(at "$p" 32)
  for i in "${!catalogue[@]}"; do
    source_png "${catalogue[$i]}" "$s32" "$work/cat$i.png"
    tiles+=("$work/cat$i.png")
  done
  convert "${tiles[@]}" -background none +append "$work/catalogue.png"
  save "$work/catalogue.png" "$magenta" catalogue

  # Button glyphs and the small pictures.
  local s22 s48
  s22=$(at "$p" 22); s48=$(at "$p" 48)
  svg_png "$svg/close.svg" "$s22" "$s22" "$work/close.png"
  save "$work/close.png" "$magenta" close

  svg_png "$svg/reader.svg" "$s48" "$s48" "$work/reader.png"
  save "$work/reader.png" "$magenta" reader

  tango_png apps/internet-mail "$s32" "$work/envelope.png"
  save "$work/envelope.png" "$magenta" envelope

  tango_png actions/system-search "$s32" "$work/search.png"
  svg_png "$svg/eye.svg" "$s32" "$s32" "$work/eye.png"
  overlay "$work/search.png" "$work/eye.png" "$work/magnifier.png"
  save "$work/magnifier.png" "$magenta" magnifier

  # Tango's arrow is green; turning its hue by about 120 degrees makes it blue.
  tango_png actions/go-previous "$s32" "$work/arrow.png"
  convert "$work/arrow.png" -modulate 100,110,168 "$work/arrow_blue.png"
  save "$work/arrow_blue.png" "$magenta" arrow_left

  svg_png "$svg/book.svg" "$s32" "$s32" "$work/book.png"
  save "$work/book.png" "$magenta" read_doc

  # The video window's toolbar is drawn at 96 dpi only.
  if [ "$p" -eq 100 ]; then
    svg_png "$svg/video_toolbar.svg" 48 16 "$work/video_toolbar.png"
    save "$work/video_toolbar.png" "$magenta" video_toolbar
  fi

  # The notice picture: opaque, its edges blended on white.
  svg_png "$svg/worker.svg" "$(at "$p" 269)" "$(at "$p" 270)" "$work/worker.png"
  convert "$work/worker.png" -background white -alpha remove -alpha off "$work/worker_white.png"
  save "$work/worker_white.png" white worker
}

for percent in 100 150 200; do picture_set "$percent"; done

# --- The application icon: 16, 32 and 48 pixels, 32-bit with alpha ---------
for s in 16 32 48; do svg_png "$svg/app_icon.svg" $s $s "$work/icon$s.png"; done
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$res/app.ico"

echo "make-pictures: pictures written to $res"
