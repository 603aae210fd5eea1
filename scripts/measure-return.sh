#!/usr/bin/env bash
# Measures the return from a game: the game's end -> the menu's first frame, as the frontend
# logs it ("Menu affiche N ms apres la fin du jeu"), full screen on a private Xvfb of the
# size given, on the demo installation with its own emulator, for both hand-overs:
#   x11   the window hides over a black backdrop during the game (the X11 default);
#   full  the window, renderer and video system go and come back (the console's way,
#         forced here with ORVANEL_FULL_HANDOVER=1).
# The screensaver starts a random game every second of rest and ends it after two seconds.
#
# Usage: measure-return.sh [build dir] [games per path]
# XVFB_SCREEN=WxHxD sets the screen (default 1920x1080x24).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
games="${2:-5}"
export XVFB_SCREEN="${XVFB_SCREEN:-1920x1080x24}"
size="${XVFB_SCREEN%x*}"
work="$(mktemp -d)"
source "$root/scripts/demo/xvfb.sh"
start_xvfb
trap 'stop_xvfb; rm -rf "$work"' EXIT

bash "$root/scripts/demo/install.sh" "$build" "$work/inst" >/dev/null
sed -i -e "s/^LargFen=.*/LargFen=${size%x*}/" -e "s/^HautFen=.*/HautFen=${size#*x}/" \
  -e "s/^ModeFenetre=.*/ModeFenetre=NO/" "$work/inst/config/Orvanel.ini"
sed -i -e "s/^ScrType=.*/ScrType=1/" -e "s/^ScrTimeOut=.*/ScrTimeOut=1/" -e "s/^ScrDuration=.*/ScrDuration=2/" \
  "$work/inst/config/Demo/config.ini"

# run_path <name> <ORVANEL_FULL_HANDOVER>: prints the figures of `games` returns.
run_path() {
  local log="$work/inst/debug.txt" start
  rm -f "$log"
  env XDG_CACHE_HOME="$work/cache" ORVANEL_MESSAGES=log SDL_AUDIODRIVER=dummy ORVANEL_FULL_HANDOVER="$2" \
    "$work/inst/Orvanel" >/dev/null 2>&1 &
  local pid=$!
  start=$SECONDS
  while [ "$(cat "$log" 2>/dev/null | grep -c 'apres la fin du jeu')" -lt "$games" ]; do
    if [ $((SECONDS - start)) -gt $((games * 10 + 30)) ]; then echo "$1: too slow" >&2; break; fi
    sleep 0.5
  done
  kill -TERM "$pid"
  wait "$pid" || true
  grep -o 'Menu affiche [0-9]* ms' "$log" | awk '{ print $3 }' | sort -n | awk -v name="$1" '
    { v[NR] = $1; all = all (NR > 1 ? " " : "") $1 }
    END { printf "%-5s %d returns (sorted): %s ms; median %d ms, max %d ms\n", name, NR, all,
          (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[NR] }'
  grep -m1 'Rendu :' "$log" | sed -e 's/^.*=> /      /' -e 's/, verdict .*//'
}

# Both paths draw with the renderer a remembered verdict chose, as on every start but the first.
XDG_CACHE_HOME="$work/cache" "$work/inst/Orvanel" --choose-renderer "${size%x*}" "${size#*x}" >/dev/null 2>&1 || true
echo "full screen ${size}, load average $(cut -d' ' -f1-3 /proc/loadavg)"
run_path x11 0
run_path full 1
