#!/usr/bin/env bash
# Measures the frontend's start-up side by side on the demo installation (under a private
# Xvfb when there is no display), windowed at 1024x768 by default:
#   window  start -> first visible window, in seconds;
#   rss     resident memory 5 s after that window, in MiB (and whether a GL driver, and
#           FFmpeg's libavcodec, are mapped: the lists of the demo games have no clips);
#   close   the window's close request -> the process gone, in seconds.
# Each figure is taken for a list of 45,000 games and one of 100 games, and for three ways
# of starting:
#   software  SDL_RENDER_DRIVER=software imposed: no renderer choice at all;
#   cached    the choice left to the program, its verdict remembered from an earlier start;
#   first     the choice left to the program with an empty cache (the first start ever).
# The runs alternate (one of each kind per round, in an order that turns from round to round)
# and the medians of the rounds are printed.
#
# Usage: measure-startup.sh [build dir] [rounds] [other Orvanel]
# With another Orvanel binary (an older build) it is measured in the same rounds, in an
# installation of its own, and printed beside.
# ORV_IDLE_SIZE=WxH sets the window (default 1024x768).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
rounds="${2:-5}"
other="${3:-}"
size="${ORV_IDLE_SIZE:-1024x768}"
timer="$build/tools/start_timer/start_timer"
[ -x "$timer" ] || { echo "measure-startup: $timer is missing (make build)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

source "$root/scripts/demo/measure-lib.sh"

# installation <name> <games> <program>
prepare() {
  local inst="$work/$1"
  bash "$root/scripts/demo/install.sh" "$build" "$inst" >/dev/null
  cp "$3" "$inst/Orvanel"
  sed -i -e "s/^LargFen=.*/LargFen=${size%x*}/" -e "s/^HautFen=.*/HautFen=${size#*x}/" "$inst/config/Orvanel.ini"
  write_list "$2" "$inst/config/Demo/Demo.txt"
}

programs=(now)
prepare now-45000 45000 "$build/Orvanel"
prepare now-100 100 "$build/Orvanel"
if [ -n "$other" ]; then
  programs+=(other)
  prepare other-45000 45000 "$other"
  prepare other-100 100 "$other"
fi

start_private_xvfb 'rm -rf "$work"'

# One start: appends "window rss gl close av" to the figures of its kind.
run_once() {
  local program="$1" games="$2" how="$3" cache="$work/cache-$1-$2" out
  local env=(XDG_CACHE_HOME="$cache" ORVANEL_MESSAGES=log SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}")
  case "$how" in
    software) env+=(SDL_RENDER_DRIVER=software) ;;
    first) rm -rf "$cache" ;;
    cached) [ -d "$cache" ] || env "${env[@]}" "$timer" 1 "$work/$program-$games/Orvanel" >/dev/null ;;
  esac
  out="$(env "${env[@]}" "${nice_cmd[@]}" "$timer" 5 "$work/$program-$games/Orvanel")" || { echo "$out" >&2; return 1; }
  echo "$out" | awk '{ v[$1] = $2 } END { print v["window_s"], v["rss_mib"], v["gl"], v["close_s"], v["av"] }' \
    >> "$work/figures-$program-$games-$how"
}

hows=(software cached first)
for round in $(seq 1 "$rounds"); do
  # A start slows the one after it a little (the X server tidies up, a background check of
  # the renderer runs at low priority): each round begins with another kind.
  order=()
  for i in 0 1 2; do order+=("${hows[$(( (i + round) % 3 ))]}"); done
  for games in 45000 100; do
    for how in "${order[@]}"; do
      for program in "${programs[@]}"; do run_once "$program" "$games" "$how"; done
    done
  done
  echo "round $round of $rounds done" >&2
done

echo "medians of $rounds alternating runs, windowed $size, load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-8s %-6s %-9s %10s %9s %8s %10s %8s\n' program games start window_s rss_mib gl close_s av
for program in "${programs[@]}"; do
  for games in 45000 100; do
    for how in "${hows[@]}"; do
      f="$work/figures-$program-$games-$how"
      printf '%-8s %-6s %-9s %10s %9s %8s %10s %8s\n' "$program" "$games" "$how" \
        "$(cut -d' ' -f1 "$f" | median)" "$(cut -d' ' -f2 "$f" | median)" \
        "$(cut -d' ' -f3 "$f" | sort | uniq -c | awk '{ printf "%s%sx%s", sep, $2, $1; sep = "," }')" \
        "$(cut -d' ' -f4 "$f" | median)" \
        "$(cut -d' ' -f5 "$f" | sort | uniq -c | awk '{ printf "%s%sx%s", sep, $2, $1; sep = "," }')"
    done
  done
done
