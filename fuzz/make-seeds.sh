#!/usr/bin/env bash
# Gathers the fuzz seeds into <out>/<target>/: the hand-written ones of fuzz/seeds/, the
# demo's own settings and layouts, the layout editor's test samples, and small pictures of
# every kind and variant the decoders handle, drawn with ImageMagick (skipped when it is missing).
# Usage: make-seeds.sh <out dir>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$1"
mkdir -p "$out"
for d in "$root"/fuzz/seeds/*/; do
  mkdir -p "$out/$(basename "$d")"
  cp "$d"* "$out/$(basename "$d")/"
done
mkdir -p "$out/profile" "$out/layout"
i=0
for f in "$root"/demo/config/*.ini "$root"/demo/config/*/*.ini; do
  [ -f "$f" ] && cp "$f" "$out/profile/demo-$((i++))"
done
for f in "$root"/demo/Templates/*/Layout.cfg; do
  [ -f "$f" ] && cp "$f" "$out/layout/demo-$((i++))"
done
# The layout editor's files take a first byte that picks the desktop size.
mkdir -p "$out/editor_layout" "$out/import_atomicfe" "$out/import_mamewah"
samples="$root/tests/configurator/layouteditor/samples"
for f in "$root"/demo/Templates/*/Layout.cfg "$samples/saved_defaults.cfg"; do
  [ -f "$f" ] && { printf '\001'; cat "$f"; } >"$out/editor_layout/file-$((i++))"
done
{ printf '\000'; cat "$samples/layout.cfg"; } >"$out/import_atomicfe/sample"
{ printf '\002'; cat "$samples/layout.cfg"; } >"$out/import_atomicfe/sample-small-desktop"
{ printf '\000'; cat "$samples/layout.lay"; } >"$out/import_mamewah/sample"
{ printf '\001'; cat "$samples/layout.lay"; } >"$out/import_mamewah/sample-usual-desktop"

command -v convert >/dev/null || { echo "make-seeds: no ImageMagick, no picture seeds" >&2; exit 0; }
for t in png jpeg gif bmp ico; do mkdir -p "$out/image_$t"; done
pic() { convert -size 5x3 gradient:red-blue -fill '#00ff0080' -draw 'point 1,1' "$@"; }
pic "$out/image_png/rgba.png"
pic -type Palette "$out/image_png/palette.png"
pic -colorspace Gray -depth 16 "$out/image_png/grey16.png"
pic -interlace PNG "$out/image_png/interlaced.png"
pic -quality 50 "$out/image_jpeg/baseline.jpg"
pic -interlace JPEG "$out/image_jpeg/progressive.jpg"
pic -colorspace Gray "$out/image_jpeg/grey.jpg"
pic -colorspace CMYK "$out/image_jpeg/cmyk.jpg"
pic "$out/image_gif/still.gif"
pic -interlace GIF "$out/image_gif/interlaced.gif"
convert -delay 10 -size 4x4 xc:red xc:blue -transparent blue "$out/image_gif/animated.gif"
pic -type TrueColor "$out/image_bmp/24bit.bmp"
pic -type TrueColorAlpha "$out/image_bmp/32bit.bmp"
pic -type Palette -colors 16 "BMP3:$out/image_bmp/4bit.bmp"
pic -type Palette -compress RLE "BMP3:$out/image_bmp/rle8.bmp"
pic -type Bilevel "BMP3:$out/image_bmp/1bit.bmp"
pic -flip "BMP2:$out/image_bmp/old-header.bmp"
pic -resize 16x16! "$out/image_ico/bmp-inside.ico"
# An icon directory of one entry whose picture is a PNG.
png="$out/image_png/rgba.png"
size=$(stat -c %s "$png")
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
{ printf '\x00\x00\x01\x00\x01\x00\x05\x03\x00\x00\x01\x00\x20\x00'; printf "$(le32 "$size")"; printf "$(le32 22)"; cat "$png"; } > "$out/image_ico/png-inside.ico"
pic -resize 16x16! -type Palette "$out/image_ico/palette.ico"
