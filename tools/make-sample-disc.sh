#!/usr/bin/env bash
# Lays out the sample disc: every folder the program expects, sample
# descriptions and a publication list in cp1251 with CR LF, the DemoDisc.ini
# of the built-in catalogue, an autorun.inf, batch files that print a line and pause, small
# PDF documents, the video window's clip and a
# few photos, and the stand-ins of the video player and the reader installer
# (tiny programs that only say what they stand in for), which it takes from
# the stand-ins folder beside the exe (the product tree builds them there).
# Everything on it is plainly sample content.
#   make-sample-disc.sh [--replace] <disc-folder> [DemoDisc.exe]
# The folder may be new, empty, or a sample disc laid out before (it holds
# nothing that the sample disc does not): then it is laid out afresh.
# Any other folder is left untouched, unless --replace says to replace it.
# Beside it, <disc-folder>.accepted lists the warnings the sample gives on
# purpose, for the disc check.
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
src=$here/sample-disc

usage() {
  echo "usage: make-sample-disc.sh [--replace] <disc-folder> [DemoDisc.exe]" >&2
  echo "  lays out the sample disc in <disc-folder>, a new or empty folder or a sample disc" \
    "laid out before; --replace replaces a folder that holds anything else" >&2
  exit 2
}
replace=0
args=()
for arg in "$@"; do
  case $arg in
    --replace) replace=1 ;;
    -h | --help) usage ;;
    -*) echo "make-sample-disc.sh: unknown option $arg" >&2; usage ;;
    *) args+=("$arg") ;;
  esac
done
if [ ${#args[@]} -lt 1 ] || [ ${#args[@]} -gt 2 ] || [ -z "${args[0]}" ]; then usage; fi
target=${args[0]%/}
target=${target:-/}
exe=${args[1]:-}
if [ -n "$exe" ] && [ ! -f "$exe" ]; then
  echo "make-sample-disc.sh: $exe is no file" >&2
  usage
fi
if [ -e "$target" ] && [ ! -d "$target" ]; then
  echo "make-sample-disc.sh: $target is no folder; it is left as it is" >&2
  exit 1
fi

# Laid out in a new folder beside the target, which it then replaces.
mkdir -p "$(dirname "$target")"
disc=$(mktemp -d "$(dirname "$target")/.sample-disc.XXXXXX")
trap 'rm -rf -- "$disc"' EXIT
chmod "$(printf '%o' $((0777 & ~0$(umask))))" "$disc"
mkdir -p "$disc"/{Presentation/about,Hints,Publication,"Acrobat Reader",LA20K,Video,Vortan4,Ostravilenka_1_5,PicRec}

# UTF-8 text on stdin -> cp1251 with CR LF line ends, into $1.
to_cp1251() { sed 's/$/\r/' | iconv -f UTF-8 -t CP1251 > "$1"; }
# The same for batch files, whose text the console reads in the OEM code page.
to_cp866() { sed 's/$/\r/' | iconv -f UTF-8 -t CP866 > "$1"; }

long_block() {
  local i
  for i in 1 2 3 4 5 6; do
    echo "Абзац $i образца. Текст этого абзаца нужен только для того, чтобы описание было длиннее поля и его приходилось прокручивать. Настоящий диск содержит здесь описание своего содержимого."
  done
}

# Descriptions.
grep -v '^#' "$src/hints.txt" | while IFS='|' read -r name text; do
  [ -n "$name" ] || continue
  long=0
  case "$text" in *@LONG) long=1; text=${text%@LONG} ;; esac
  if [ -z "$text" ]; then
    : > "$disc/Hints/$name"   # an empty description
    continue
  fi
  { printf '%b\n' "$text"; [ $long -eq 1 ] && long_block; true; } | to_cp1251 "$disc/Hints/$name"
done

# Publication list and the documents it names.
to_cp1251 "$disc/Publication/vortan_lit.txt" < "$src/publications.txt"

make_pdf() {  # out-file title
  local out=$1 title=$2 body offsets=() obj n
  local stream="BT /F1 18 Tf 72 720 Td ($title) Tj 0 -28 Td /F1 12 Tf (DemoDisc sample disc: a sample document, not a real publication.) Tj ET"
  local objects=(
    "<< /Type /Catalog /Pages 2 0 R >>"
    "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
    "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>"
    "<< /Length ${#stream} >>
stream
$stream
endstream"
    "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>")
  body="%PDF-1.4"$'\n'
  n=1
  for obj in "${objects[@]}"; do
    offsets+=("${#body}")
    body+="$n 0 obj"$'\n'"$obj"$'\n'"endobj"$'\n'
    n=$((n + 1))
  done
  local xref=${#body}
  body+="xref"$'\n'"0 $n"$'\n'"0000000000 65535 f "$'\n'
  for obj in "${offsets[@]}"; do body+=$(printf '%010d 00000 n ' "$obj")$'\n'; done
  body+="trailer"$'\n'"<< /Size $n /Root 1 0 R >>"$'\n'"startxref"$'\n'"$xref"$'\n'"%%EOF"$'\n'
  printf '%s' "$body" > "$out"
}
cut -d'#' -f2 "$src/publications.txt" | grep . | while read -r pdf; do
  make_pdf "$disc/Publication/$pdf" "Sample publication ${pdf%.pdf}"
done

# Presentation and demo batch files.
grep -v '^#' "$src/presentations.txt" | while IFS='|' read -r path text; do
  printf '@echo off\necho %s\necho (sample content of the DemoDisc sample disc)\nping -n 3 127.0.0.1 >nul\n' \
    "$text" | to_cp866 "$disc/$path"
done

# Clips: the video window's clip, and the external player's clips.
clip() {  # out-file seconds colour-source
  ffmpeg -loglevel error -y -f lavfi -i "$3=size=320x240:rate=25" -t "$2" \
    -c:v msvideo1 -pix_fmt rgb555le "$1"
}
clip "$disc/Presentation/about/Тамрит_КЛ5 (2 полет).avi" 6 testsrc
clip "$disc/Video/SpaceKL5_mjpeg.avi" 3 testsrc2
clip "$disc/Video/SpaceMini_mjpeg.avi" 3 testsrc2
clip "$disc/Video/Null_video.avi" 2 smptebars

# Photos.
for i in 1 2 3; do
  convert -size 320x240 "xc:#$((i * 3))06090" -font /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf -fill white -pointsize 28 -gravity center \
    -annotate 0 "Sample photo $i" "$disc/PicRec/photo$i.jpg"
done

if [ -n "$exe" ]; then cp "$exe" "$disc/DemoDisc.exe"; fi
# The description file that spells out the built-in catalogue, as the
# program has it compiled in: the disc shows the same with it as without.
cp "$here/../src/launcher/built_in_catalogue.ini" "$disc/DemoDisc.ini"
# The autorun.inf that starts it from a CD, plain ASCII with CR LF, as the
# guide shows it.
printf '[autorun]\r\nopen=DemoDisc.exe\r\nicon=DemoDisc.exe,0\r\nlabel=DemoDisc\r\n' \
  > "$disc/autorun.inf"

# The stand-ins, when they are there: without them the disc lacks its player
# and installer, and the disc check says so.
stand_ins=${exe:+$(dirname "$exe")/stand-ins}
for stand_in in "LA20K/LA.exe" "Acrobat Reader/AdbeRdr812_ru_RU.exe"; do
  if [ -n "$stand_ins" ] && [ -f "$stand_ins/${stand_in#*/}" ]; then
    cp "$stand_ins/${stand_in#*/}" "$disc/$stand_in"
  else
    echo "make-sample-disc.sh: no stand-in ${stand_in#*/} beside the exe; $stand_in left out" >&2
  fi
done
# What the target holds that a sample disc does not, with or without the exe
# and the stand-ins: the first of it, if any.
foreign() {
  comm -23 <(cd "$target" && find . -mindepth 1 | LC_ALL=C sort) \
           <({ cd "$disc" && find . -mindepth 1
               printf './%s\n' DemoDisc.exe "LA20K/LA.exe" "Acrobat Reader/AdbeRdr812_ru_RU.exe"
             } | LC_ALL=C sort -u) | head -n 1
}
if [ -d "$target" ]; then
  other=$(foreign)
  if [ -n "$other" ] && [ $replace -eq 0 ]; then
    echo "make-sample-disc.sh: $target holds what is not the sample disc's (${other#./}, ...);" \
      "it is left as it is: choose a new or empty folder, or pass --replace to replace it" >&2
    exit 1
  fi
  rm -rf -- "$target"
fi
mv -- "$disc" "$target"
trap - EXIT
# The warnings the sample gives on purpose, beside it (so that they are not
# burnt), where the check looks for them: a list of the disc maker's own
# there is kept.
accepted=$target.accepted
if [ ! -e "$accepted" ] || [ $replace -eq 1 ] ||
   [ "$(head -n 1 "$accepted")" = "$(head -n 1 "$src/accepted.txt")" ]; then
  cp -- "$src/accepted.txt" "$accepted"
else
  echo "make-sample-disc.sh: $accepted is not the sample's list of accepted warnings; left as it is" >&2
fi
echo "sample disc: $target"
