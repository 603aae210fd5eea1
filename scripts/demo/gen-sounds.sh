#!/usr/bin/env bash
# Generates the demo's event sounds (Sound/*.wav) and its music (Music/*.mp3) with the
# demo_sounds program of a build; the tracks are encoded by lame.
# Usage: gen-sounds.sh <installation dir> <build dir>
set -euo pipefail
inst="$1"
build="$2"
gen="$build/tools/demo_sounds/demo_sounds"
if [ ! -x "$gen" ]; then
  cmake --build "$build" --target demo_sounds >/dev/null
fi
mkdir -p "$inst/Sound" "$inst/Music"
"$gen" sounds "$inst/Sound"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$gen" music "$tmp" 3
if command -v lame >/dev/null 2>&1; then
  for wav in "$tmp"/*.wav; do
    lame --quiet -b 96 "$wav" "$inst/Music/$(basename "${wav%.wav}").mp3"
  done
else
  echo "gen-sounds: lame is missing (scripts/install-deps.sh installs it): the demo has no music" >&2
fi
