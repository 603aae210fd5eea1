#!/usr/bin/env bash
# Builds the Debian package from a copy of the source tree (dpkg-buildpackage writes its
# results beside the tree it builds): <out dir>/orvanel_<version>_<arch>.deb, then lintian.
# Usage: make-deb.sh <out dir>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "$1" && cd "$1" && pwd)"
src="$out/orvanel"
rm -rf "$src" "$out"/*.deb "$out"/*.buildinfo "$out"/*.changes
mkdir -p "$src"
# The sources only: no build trees, no git metadata.
tar -C "$root" --exclude='./build*' --exclude='./.git' --exclude='./docs/pictures' -cf - . | tar -C "$src" -xf -
(cd "$src" && dpkg-buildpackage -us -uc -b >"$out/build.log" 2>&1) || {
  tail -n 40 "$out/build.log" >&2
  exit 1
}
deb="$(ls "$out"/orvanel_*.deb)"
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"
if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error,warning "$deb"
  echo "lintian: no error, no warning"
fi
