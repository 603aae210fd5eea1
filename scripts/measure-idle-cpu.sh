#!/usr/bin/env bash
# Measures the CPU the idle frontend uses: starts it on the demo installation (under a
# private Xvfb when there is no display), lets it settle, then reads its user + system
# time from /proc/<pid>/stat over 10 seconds. Prints the share of one core in percent.
# Usage: measure-idle-cpu.sh [build dir] [seconds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-10}"
inst="$build/idle-demo"
bash "$root/scripts/demo/install.sh" "$build" "$inst" >/dev/null
# Idle means no animation clock is due: without the scroll text, the scrolling picture and
# the selection pulse the menu only redraws once a second. (With them it redraws at their
# pace, 50 frames a second for the scroll text, which is drawing work, not idling.)
rm -f "$inst"/config/*/ScrollTexte.txt
for cfg in "$inst"/Templates/*/Layout.cfg; do
  sed -i -e '/_[Ss]croll[XY]=/d' -e '/^List_selection_alphaMax=/d' "$cfg"
done

source "$root/scripts/demo/xvfb.sh"
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap stop_xvfb EXIT
fi

ORVANEL_MESSAGES=log SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$inst/Orvanel" &
pid=$!
win=""
for _ in $(seq 1 100); do
  win="$(xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null | head -n1 || true)"
  [ -n "$win" ] && break
  sleep 0.1
done
if [ -z "$win" ]; then
  echo "measure-idle-cpu: the frontend showed no window" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
sleep 3  # past the opening transition

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz="$(getconf CLK_TCK)"
t0="$(ticks)"
start_ns="$(date +%s%N)"
sleep "$seconds"
t1="$(ticks)"
end_ns="$(date +%s%N)"

# SDL may replace the window when it sets up its renderer, so look it up again before closing.
win="$(xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null | head -n1 || true)"
closer="$build/tools/close_window/close_window"
if [ -x "$closer" ] && [ -n "$win" ]; then "$closer" "$win" || kill -TERM "$pid"; else kill -TERM "$pid"; fi
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -KILL "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

awk -v a="$t0" -v b="$t1" -v hz="$hz" -v ns="$((end_ns - start_ns))" \
  'BEGIN { printf "idle CPU: %.2f %% of one core over %.1f s\n", (b - a) / hz / (ns / 1e9) * 100, ns / 1e9 }'
