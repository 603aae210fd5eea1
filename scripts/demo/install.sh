#!/usr/bin/env bash
# Assembles the demo installation: the built programs, the files of demo/ and everything
# the generators in scripts/demo/gen-*.sh make (game lists, pictures, sounds).
# Usage: install.sh <build dir> <installation dir>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
inst="$2"

rm -rf "$inst"
mkdir -p "$inst"
cp -R "$root/demo/." "$inst/"
cp "$build/Orvanel" "$inst/"
for lib in liborvanel.so liborvanel-video.so; do
  if [ -f "$build/$lib" ]; then cp "$build/$lib" "$inst/"; fi
done
# Helper programs of the demo (its emulator, ...) sit beside the frontend.
for tool in demo_emulator; do
  if [ -x "$build/tools/$tool/$tool" ]; then cp "$build/tools/$tool/$tool" "$inst/"; fi
done
for gen in "$root"/scripts/demo/gen-*.sh; do
  [ -e "$gen" ] || continue
  bash "$gen" "$inst" "$build"
done
echo "demo installation: $inst"
