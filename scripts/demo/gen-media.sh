#!/usr/bin/env bash
# Draws the demo's template Etoiles, its scroll text, and a snapshot and marquee for
# most demo games (runs after gen-game-list.sh). Clones (RomOf) get no pictures of their
# own, so they show their parent's; every seventh game gets none, so the template's
# "missing" pictures show too. Usage: gen-media.sh <installation dir> <build dir>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
inst="$1"
build="$2"
list="$inst/config/Demo/Demo.txt"

games=()
if [ -f "$list" ]; then
  rom="" name="" clone=0 n=0
  flush() {
    if [ -n "$rom" ] && (( clone == 0 )) && (( n % 7 != 6 )); then games+=("$rom=${name:-$rom}"); fi
  }
  while IFS= read -r line; do
    line="${line%$'\r'}"
    case "$line" in
      \[*\]) flush; rom="${line:1:${#line}-2}" name="" clone=0; n=$((n + 1)) ;;
      FullName=*) name="${line#FullName=}" ;;
      RomOf=*) clone=1 ;;
    esac
  done < "$list"
  flush
fi

bash "$root/scripts/make-demo-art.sh" "$build" "$inst" Demo "$inst/media/snap" "$inst/media/marquees" "${games[@]}"
