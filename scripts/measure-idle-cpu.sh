#!/usr/bin/env bash
# Measures the CPU the idle frontend uses: starts it on the demo installation (under a
# private Xvfb when there is no display), lets it settle, then reads its user + system
# time from /proc/<pid>/stat over some seconds. Prints the share of one core in percent.
#
# Two menus are measured:
#   still  the demo stripped of everything that moves (no scroll text, no scrolling
#          picture, no selection pulse) and of its music: nothing should be drawn at all;
#   demo   the demo as shipped (scroll text, star band, selection pulse, music, the first
#          game's video snap);
#   clip   the still menu with only the first game's video snap playing (320 x 240, 30 fps).
#   game   the still menu while a game runs (the test emulator, launched with the panel's
#          launch key): the frontend only waits for it and watches the exit combination.
#
# Usage: measure-idle-cpu.sh [build dir] [seconds] [still|demo|both|clip|game] [runs]
# With several runs each figure is printed and then their median.
# ORV_IDLE_SIZE=WxH sets the window (default 1024x768; "shipped" keeps the demo's own).
# ORV_IDLE_JOYSTICK=1 plugs a virtual joystick into the frontend (tools/virtual_pad), as a
# cabinet's encoder would be: an open joystick must not cost anything either.
# Extra environment (SDL_RENDER_DRIVER=software, ...) reaches the frontend unchanged.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-10}"
what="${3:-both}"
runs="${4:-1}"
size="${ORV_IDLE_SIZE:-1024x768}"
preload=()
if [ "${ORV_IDLE_JOYSTICK:-0}" = 1 ]; then
  pad="$build/tools/virtual_pad/libvirtual_pad.so"
  [ -f "$pad" ] || { echo "measure-idle-cpu: $pad is not built" >&2; exit 2; }
  preload=("LD_PRELOAD=$pad")
fi

# Builds the installation for one menu kind under $build/idle-<kind>.
prepare() {
  local kind="$1" inst="$build/idle-$1"
  bash "$root/scripts/demo/install.sh" "$build" "$inst" >/dev/null
  if [ "$size" != "shipped" ]; then
    sed -i -e "s/^LargFen=.*/LargFen=${size%x*}/" -e "s/^HautFen=.*/HautFen=${size#*x}/" \
      "$inst/config/Orvanel.ini"
  fi
  if [ "$kind" = game ]; then
    cp "$build/tools/test_emulator/test_emulator" "$inst/demo_emulator"
    echo "run_ms=$(((seconds + 8) * 1000))" >"$inst/test_emulator.script"
    rm -f "$inst/test_emulator.record"
  fi
  if [ "$kind" = still ] || [ "$kind" = clip ] || [ "$kind" = game ]; then
    rm -f "$inst"/config/*/ScrollTexte.txt
    sed -i -e 's/^MusicFond=.*/MusicFond=/' "$inst"/config/*/config.ini
    for cfg in "$inst"/Templates/*/Layout.cfg; do
      sed -i -e '/_[Ss]croll[XY]=/d' -e '/^List_selection_alphaMax=/d' "$cfg"
    done
  fi
  if [ "$kind" = still ] || [ "$kind" = game ]; then sed -i -e 's/^VideoDir=.*/VideoDir=/' "$inst"/config/*/config.ini; fi
}

# Other processes on a busy machine would starve the frontend of frames and lower its figure:
# where allowed, it runs at the highest priority, as on a cabinet that runs nothing else.
nice_cmd=()
if nice -n -20 true 2>/dev/null; then nice_cmd=(nice -n -20); fi

source "$root/scripts/demo/xvfb.sh"
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap stop_xvfb EXIT
  # The X server does the frontend's pictures' last step: it must not be starved either.
  if [ "${#nice_cmd[@]}" -gt 0 ]; then renice -n -20 -p "$XVFB_PID" >/dev/null 2>&1 || true; fi
fi

# One run: prints the share of one core in percent.
measure_once() {
  local inst="$1" pid win t0 t1 start_ns end_ns hz
  # The renderer's verdict is remembered beside the installation, not in the user's cache.
  env XDG_CACHE_HOME="$build/idle-cache" ORVANEL_MESSAGES=log SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
    "${preload[@]}" "${nice_cmd[@]}" "$inst/Orvanel" &
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
    return 1
  fi
  sleep 3  # past the opening transition
  if [ -f "$inst/test_emulator.script" ]; then
    rm -f "$inst/test_emulator.record"
    xdotool key --window "$win" 1  # the launch key
    for _ in $(seq 1 100); do [ -s "$inst/test_emulator.record" ] && break; sleep 0.1; done
    if [ ! -s "$inst/test_emulator.record" ]; then
      echo "measure-idle-cpu: the game did not start" >&2
      kill "$pid" 2>/dev/null || true
      return 1
    fi
    sleep 1
  fi

  ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
  hz="$(getconf CLK_TCK)"
  t0="$(ticks)"
  start_ns="$(date +%s%N)"
  sleep "$seconds"
  t1="$(ticks)"
  end_ns="$(date +%s%N)"

  # After a game, the menu comes back before it can be closed.
  if [ -f "$inst/test_emulator.script" ]; then
    pkill -f "^$inst/demo_emulator" 2>/dev/null || true
    sleep 2
  fi
  # SDL may replace the window when it sets up its renderer, so look it up again before closing.
  win="$(xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null | head -n1 || true)"
  local closer="$build/tools/close_window/close_window"
  if [ -x "$closer" ] && [ -n "$win" ]; then "$closer" "$win" || kill -TERM "$pid"; else kill -TERM "$pid"; fi
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v a="$t0" -v b="$t1" -v hz="$hz" -v ns="$((end_ns - start_ns))" \
    'BEGIN { printf "%.2f\n", (b - a) / hz / (ns / 1e9) * 100 }'
}

measure() {
  local kind="$1" label="$2" figures=() p
  prepare "$kind"
  for _ in $(seq 1 "$runs"); do
    p="$(measure_once "$build/idle-$kind")" || return 1
    figures+=("$p")
    echo "$label: idle CPU: $p % of one core over $seconds s"
  done
  if [ "$runs" -gt 1 ]; then
    printf '%s\n' "${figures[@]}" | sort -g |
      awk -v label="$label" -v n="$runs" '{ v[NR] = $1 }
        END { m = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
              printf "%s: median of %d: %.2f %% of one core\n", label, n, m }'
  fi
}

case "$what" in
  still) measure still "still menu, no music ($size)" ;;
  demo) measure demo "demo as shipped ($size)" ;;
  clip) measure clip "still menu playing a video snap ($size)" ;;
  game) measure game "while a game runs ($size)" ;;
  both)
    measure still "still menu, no music ($size)"
    measure demo "demo as shipped ($size)"
    ;;
  *) echo "usage: measure-idle-cpu.sh [build dir] [seconds] [still|demo|both|clip|game] [runs]" >&2; exit 2 ;;
esac
