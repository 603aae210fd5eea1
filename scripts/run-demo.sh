#!/usr/bin/env bash
# Starts the frontend on the demo installation under <build dir>/demo. With a display it
# simply runs; without one it plays the demo on a private Xvfb display for a few seconds,
# presses a few keys, saves screenshots under the build directory and ends the program
# with a close request.
# Usage: run-demo.sh [build dir]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
inst="$build/demo"
bash "$root/scripts/demo/install.sh" "$build" "$inst"
# The configurator beside the frontend: started from the installation it edits it
# ("$inst/OrvanelConfig", or OrvanelConfig --base DIR for another installation).
if [ -x "$build/OrvanelConfig" ]; then
  cp "$build/OrvanelConfig" "$inst/"
  echo "configurator: $inst/OrvanelConfig"
fi
# Its pages as pictures, rendered offscreen.
config_shot="$build/tools/config_shot/config-shot"
if [ -x "$config_shot" ]; then
  "$config_shot" "$inst" "$build/config-shot" 2>/dev/null &&
    echo "configurator pages: $build/config-shot/general.png, emus.png, layout.png, preview.png" ||
    echo "config-shot could not render the configurator's pages" >&2
fi

# The layout authors' headless screenshot of the demo's current configuration.
shot_tool="$build/tools/orvanel_shot/orvanel-shot"
if [ -x "$shot_tool" ]; then
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$shot_tool" "$inst" "$build/orvanel-shot.png" ||
    echo "orvanel-shot could not render the demo" >&2
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "$inst/Orvanel"
fi

source "$root/scripts/demo/xvfb.sh"
start_xvfb
trap stop_xvfb EXIT
echo "no display: running the demo on Xvfb $DISPLAY"

SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$inst/Orvanel" &
pid=$!
win=""
for _ in $(seq 1 100); do
  win="$(xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null | head -n1 || true)"
  [ -n "$win" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$win" ]; then
  echo "the frontend showed no window; its log:" >&2
  tail -n 20 "$inst/debug.txt" >&2 || true
  wait "$pid" || true
  exit 1
fi

shot() {
  import -window root "$build/demo-$1.png"
  echo "screenshot: $build/demo-$1.png"
}
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 2
shot 1-start
for key in Down Down Down Right; do
  xdotool key --window "$win" "$key"
  sleep 0.3
done
sleep 1
shot 2-keys
xdotool key --window "$win" space
sleep 1
shot 3-infos

# End it as a window manager would.
win="$(xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null | head -n1 || true)"
closer="$build/tools/close_window/close_window"
if [ -x "$closer" ] && [ -n "$win" ]; then "$closer" "$win" || kill -TERM "$pid"; else kill -TERM "$pid"; fi
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "the frontend did not end on its close request" >&2
  kill -KILL "$pid"
fi
status=0
wait "$pid" || status=$?
echo "frontend exit code: $status"
echo "last lines of $inst/debug.txt:"
tail -n 5 "$inst/debug.txt"
exit "$status"
