#!/usr/bin/env bash
# Draws the demo installation's artwork with the demo_art program of a build:
#   make-demo-art.sh BUILD_DIR INSTALL_DIR CONFIG_NAME SNAP_DIR MARQUEE_DIR [rom=Full name ...]
# - INSTALL_DIR/Templates/Etoiles: Layout.cfg (from demo/) and its generated pictures
# - INSTALL_DIR/config/CONFIG_NAME/ScrollTexte.txt: a scroll text that shows every tag
# - SNAP_DIR/<rom>.png and MARQUEE_DIR/<rom>.png for each game given
# - INSTALL_DIR/media/videos/<rom>.mp4|.mkv|.avi: clips of the first three games by name
set -euo pipefail

if [ $# -lt 5 ]; then
  echo "usage: $0 BUILD_DIR INSTALL_DIR CONFIG_NAME SNAP_DIR MARQUEE_DIR [rom=Full name ...]" >&2
  exit 2
fi
build=$1 install=$2 config=$3 snaps=$4 marquees=$5
shift 5
repo=$(cd "$(dirname "$0")/.." && pwd)
art="$build/tools/demo_art/demo_art"
if [ ! -x "$art" ]; then
  cmake --build "$build" --target demo_art >/dev/null
fi

template="$install/Templates/Etoiles"
mkdir -p "$template"
cp "$repo/demo/Templates/Etoiles/Layout.cfg" "$template/Layout.cfg"
"$art" template "$template"
"$art" scrolltext "$install/config/$config/ScrollTexte.txt"
if [ $# -gt 0 ]; then
  "$art" media "$snaps" "$marquees" "$@"
  # Video snaps for the first three games by name, where the menu opens: the Snap object
  # plays them after a short rest.
  clips=()
  while IFS= read -r g; do clips+=("${g%%=*}"); done < <(printf '%s\n' "$@" | LC_ALL=C sort -t= -k2 | head -n 3)
  "$art" clips "$install/media/videos" "${clips[@]}"
fi
