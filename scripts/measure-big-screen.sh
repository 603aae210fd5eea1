#!/usr/bin/env bash
# Measures the frontend on a big screen side by side: the demo as shipped with a list of
# 45,000 games, SDL's software renderer, a private Xvfb of 3840 x 2160, for three screens:
#   w1080  a 1920 x 1080 window;   w2160  a 3840 x 2160 window;   f2160  3840 x 2160 full screen.
# For each it prints
#   ms/frame  the program's CPU per presented frame (ORV_FRAME_COUNT_FILE counts them);
#   cpu%      the program's CPU, idle with the demo's moving parts, in % of one core;
#   X cpu%    the X server's CPU meanwhile;
#   fps       frames presented a second;
#   rss_mib   resident memory 5 s after the window;
#   close_s   the window's close request -> the process gone.
# The figures are taken from 3 s to 8 s after the window (the close is asked 16 s after it: this
# script, at normal priority beside the measured programs at the highest, may be late); the runs alternate (one of each
# kind per round) and the medians of the rounds are printed.
#
# Usage: measure-big-screen.sh [build dir] [rounds] [other Orvanel]
# With another Orvanel binary (an older build) it is measured in the same rounds, in an
# installation of its own, and printed beside. "now" runs with the default render size cap,
# "cap0" with HauteurRendu=0 (the screen's own size).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
rounds="${2:-5}"
other="${3:-}"
timer="$build/tools/start_timer/start_timer"
[ -x "$timer" ] || { echo "measure-big-screen: $timer is missing (make build)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XVFB_SCREEN=3840x2160x24
source "$root/scripts/demo/measure-lib.sh"

# installation <name> <program> [extra General line]
prepare() {
  local inst="$work/$1"
  bash "$root/scripts/demo/install.sh" "$build" "$inst" >/dev/null
  cp "$2" "$inst/Orvanel"
  write_list 45000 "$inst/config/Demo/Demo.txt"
  if [ -n "${3:-}" ]; then sed -i -e "s/^\[General\]\r\?$/&\n$3\r/" "$inst/config/Orvanel.ini"; fi
}
programs=(now cap0)
prepare now "$build/Orvanel"
prepare cap0 "$build/Orvanel" "HauteurRendu=0"
if [ -n "$other" ]; then
  programs=(other "${programs[@]}")
  prepare other "$other"
fi

start_private_xvfb 'rm -rf "$work"'
hz="$(getconf CLK_TCK)"

# screen <installation> <w1080|w2160|f2160>
screen() {
  local w=1920 h=1080 windowed=OUI
  case "$2" in w2160) w=3840 h=2160 ;; f2160) w=3840 h=2160 windowed=NON ;; esac
  sed -i -e "s/^LargFen=.*/LargFen=$w\r/" -e "s/^HautFen=.*/HautFen=$h\r/" -e "s/^ModeFenetre=.*/ModeFenetre=$windowed\r/" \
    "$1/config/Orvanel.ini"
}

# frames <file>: "count milliseconds" as the program last wrote them.
frames() { cat "$1" 2>/dev/null || echo "0 0"; }

# One run: appends "ms_per_frame cpu xcpu fps rss close" to the figures of its kind.
run_once() {
  local program="$1" kind="$2" inst="$work/$1" out="$work/out" count="$work/frames" pid="" tpid
  screen "$inst" "$kind"
  rm -f "$count" "$out"
  env XDG_CACHE_HOME="$work/cache" ORVANEL_MESSAGES=log SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software \
    ORV_FRAME_COUNT_FILE="$count" "${nice_cmd[@]}" stdbuf -oL "$timer" 16 "$inst/Orvanel" >"$out" &
  tpid=$!
  for _ in $(seq 1 600); do grep -q '^window_s' "$out" 2>/dev/null && break; sleep 0.05; done
  pid="$(pgrep -P "$tpid" | head -n1)"
  [ -n "$pid" ] || { echo "measure-big-screen: no window ($program $kind)" >&2; wait "$tpid" || true; return 1; }
  sleep 3  # past the opening transition
  local p0 x0 f0 p1 x1 f1 s0 s1 rss
  p0="$(cpu_ticks "$pid")"; x0="$(cpu_ticks "$XVFB_PID")"; f0="$(frames "$count")"; s0="$(date +%s%N)"
  sleep 2
  rss="$(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status" 2>/dev/null || true)"
  sleep 3
  p1="$(cpu_ticks "$pid")"; x1="$(cpu_ticks "$XVFB_PID")"; f1="$(frames "$count")"; s1="$(date +%s%N)"
  local status=0
  wait "$tpid" || status=$?
  if [ "$status" != 0 ] || [ -z "$p1" ] || [ -z "$rss" ]; then
    echo "measure-big-screen: $program $kind: the run failed (status $status, cpu '$p1', rss '$rss'), left out:" >&2
    cat "$out" >&2
    return 0
  fi
  awk -v p0="$p0" -v p1="$p1" -v x0="$x0" -v x1="$x1" -v f0="$f0" -v f1="$f1" -v ns="$((s1 - s0))" -v hz="$hz" \
    -v rss="$rss" -v closing="$(awk '$1 == "close_s" { print $2 }' "$out")" 'BEGIN {
      split(f0, a, " "); split(f1, b, " ")
      fps = (b[2] > a[2]) ? (b[1] - a[1]) / ((b[2] - a[2]) / 1000) : 0
      s = ns / 1e9; cpu = (p1 - p0) / hz / s
      printf "%.2f %.1f %.1f %.1f %s %s\n", (fps > 0 ? cpu * 1000 / fps : 0), cpu * 100, (x1 - x0) / hz / s * 100, fps, rss, closing
    }' | tee -a "$work/figures-$program-$kind" | sed "s/^/$program $kind: /" >&2
}

kinds=(w1080 w2160 f2160)
for round in $(seq 1 "$rounds"); do
  # Each round begins with another program: a start slows the one after it a little.
  for kind in "${kinds[@]}"; do
    n=${#programs[@]}
    for i in $(seq 0 $((n - 1))); do run_once "${programs[$(( (i + round) % n ))]}" "$kind"; done
  done
  echo "round $round of $rounds done" >&2
done

echo "medians of $rounds alternating runs, Xvfb ${XVFB_SCREEN%x*}, software renderer, 45,000 games; uptime:$(uptime | sed 's/.*average/ load average/')"
printf '%-7s %-6s %9s %7s %7s %7s %8s %8s\n' program screen ms/frame cpu% X_cpu% fps rss_mib close_s
for program in "${programs[@]}"; do
  for kind in "${kinds[@]}"; do
    f="$work/figures-$program-$kind"
    printf '%-7s %-6s %9s %7s %7s %7s %8s %8s\n' "$program" "$kind" \
      "$(cut -d' ' -f1 "$f" | median)" "$(cut -d' ' -f2 "$f" | median)" "$(cut -d' ' -f3 "$f" | median)" \
      "$(cut -d' ' -f4 "$f" | median)" "$(cut -d' ' -f5 "$f" | median)" "$(cut -d' ' -f6 "$f" | median)"
  done
done
