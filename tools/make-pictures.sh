#!/usr/bin/env bash
# Makes every picture in resources/ from its sources: the SVG drawings in
# resources/svg/ and icons of the Tango theme (public domain). The build does
# not run this script; its output is committed. Run it on Debian, as root if
# a package is missing.
#
# Bitmaps are plain 24-bit BMPs (BITMAPINFOHEADER). Pictures drawn with a
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

# to_bmp IN BACKGROUND OUT: a 24-bit BMP with the given transparent colour.
to_bmp() {
  convert "$1" -channel A -threshold 50% +channel -background "$2" -alpha remove -alpha off \
    -type TrueColor -define bmp:format=bmp3 "BMP3:$3"
}

# --- The catalogue: 26 pictures of 32 x 32, in image-index order -----------
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
tiles=()
for i in "${!catalogue[@]}"; do
  source_png "${catalogue[$i]}" 32 "$work/cat$i.png"
  tiles+=("$work/cat$i.png")
done
convert "${tiles[@]}" -background none +append "$work/catalogue.png"
to_bmp "$work/catalogue.png" "$magenta" "$res/catalogue.bmp"

# --- Button glyphs and the small pictures --------------------------------
svg_png "$svg/close.svg" 22 22 "$work/close.png"
to_bmp "$work/close.png" "$magenta" "$res/close.bmp"

svg_png "$svg/reader.svg" 48 48 "$work/reader.png"
to_bmp "$work/reader.png" "$magenta" "$res/reader.bmp"

tango_png apps/internet-mail 32 "$work/envelope.png"
to_bmp "$work/envelope.png" "$magenta" "$res/envelope.bmp"

tango_png actions/system-search 32 "$work/search.png"
svg_png "$svg/eye.svg" 32 32 "$work/eye.png"
overlay "$work/search.png" "$work/eye.png" "$work/magnifier.png"
to_bmp "$work/magnifier.png" "$magenta" "$res/magnifier.bmp"

# Tango's arrow is green; turning its hue by about 120 degrees makes it blue.
tango_png actions/go-previous 32 "$work/arrow.png"
convert "$work/arrow.png" -modulate 100,110,168 "$work/arrow_blue.png"
to_bmp "$work/arrow_blue.png" "$magenta" "$res/arrow_left.bmp"

svg_png "$svg/book.svg" 32 32 "$work/book.png"
to_bmp "$work/book.png" "$magenta" "$res/read_doc.bmp"

svg_png "$svg/video_toolbar.svg" 48 16 "$work/video_toolbar.png"
to_bmp "$work/video_toolbar.png" "$magenta" "$res/video_toolbar.bmp"

# --- The notice picture: opaque, on white ----------------------------------
svg_png "$svg/worker.svg" 269 270 "$work/worker.png"
convert "$work/worker.png" -background white -alpha remove -alpha off \
  -type TrueColor -define bmp:format=bmp3 "BMP3:$res/worker.bmp"

# --- The application icon: 16, 32 and 48 pixels, 32-bit with alpha ---------
for s in 16 32 48; do svg_png "$svg/app_icon.svg" $s $s "$work/icon$s.png"; done
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$res/app.ico"

echo "make-pictures: pictures written to $res"
