#!/usr/bin/env bash
# Draws the user guide's pictures from the demo with the project's own screenshot tools,
# so they show what the programs draw today:
#   menu.png                         the demo's menu (orvanel-shot)
#   config-general.png, config-emus.png, config-layout.png, config-preview.png,
#   config-statistics.png            the configurator's pages (config-shot); the books
#                                    from a made-up journal (demo-journal)
# They are French, the guide's language, unless LANGUE names another (make pictures LANGUE=en).
# Usage: make-pictures.sh <build dir> <output dir>
#        make-pictures.sh --list     the names of the pictures it makes, one a line
set -euo pipefail

pictures=(menu.png config-general.png config-emus.png config-layout.png config-preview.png config-statistics.png)
if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${pictures[@]}"
  exit 0
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
mkdir -p "$2"
out="$(cd "$2" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The demo as shipped: no local MAME set-up, so the pictures do not depend on the machine.
ORVANEL_MAME=/nonexistent bash "$root/scripts/demo/install.sh" "$build" "$tmp/demo" >/dev/null
# The language is the installation's, whatever the locale of the machine drawing them.
sed -i "/^Langue=/d; s/^\[General\]\r\?\$/&\nLangue=${LANGUE:-fr}/" "$tmp/demo/config/Orvanel.ini"
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$build/tools/orvanel_shot/orvanel-shot" "$tmp/demo" "$out/menu.png"
"$build/tools/demo_journal/demo-journal" "$tmp/demo" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tools/config_shot/config-shot" "$tmp/demo" "$tmp/config" 2>/dev/null
for page in general emus layout preview statistics; do
  cp "$tmp/config/$page.png" "$out/config-$page.png"
done
for p in "${pictures[@]}"; do
  [ -s "$out/$p" ] || { echo "make-pictures: $p was not made" >&2; exit 1; }
  echo "picture: $out/$p"
done
