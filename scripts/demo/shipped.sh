#!/usr/bin/env bash
# Assembles the demo installation the package ships as read-only data: the files of demo/
# and what the generators make, without the programs and without a local MAME set-up. Its
# emulator is a link to the installed demo_emulator (<prefix>/libexec/orvanel), which a
# user's first start copies along with the rest.
# Usage: shipped.sh <build dir> <output dir> <link target of demo_emulator>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
out="$2"
emulator="$3"

rm -rf "$out.tmp"
mkdir -p "$out.tmp"
cp -R "$root/demo/." "$out.tmp/"
for gen in "$root"/scripts/demo/gen-*.sh; do
  [ -e "$gen" ] || continue
  ORVANEL_MAME=/nonexistent bash "$gen" "$out.tmp" "$build" >/dev/null
done
ln -s "$emulator" "$out.tmp/demo_emulator"
chmod -R u+rwX,go+rX,go-w "$out.tmp"
rm -rf "$out"
mv "$out.tmp" "$out"
