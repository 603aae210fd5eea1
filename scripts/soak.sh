#!/usr/bin/env bash
# Soak run: the frontend on a copy of the demo installation under Xvfb, driven for a given
# time with random panel keys, switches between two game configurations through a menu,
# launches of the demo emulator (by the player and by the random-game screensaver) and
# slide shows. Fails when the frontend crashes or a sanitizer reports, when its resident
# memory grows by 5 MB or more after the warm-up, when a settings or statistics file is
# unreadable, or when the counted runs differ from the emulator starts.
# The memory bound is SOAK_MAX_GROWTH_KB (5120). The warm-up is six games (three in each
# configuration, with a switch there and back) and then the first sixth of the run (at
# least 10 s): the display, released and loaded again by each launch, holds more after
# each of the first few (with llvmpipe's OpenGL about 12 MB over five launches) and then
# stays level however many follow.
# Memory is measured only while no game runs (a game releases the display). The resident
# size after each step is in <build>/soak/rss.txt (seconds, kB, launches, key).
# Usage: soak.sh [seconds, default 600] [build dir, default build]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
build="$(cd "${2:-$root/build}" && pwd)"
inst="$build/soak"
launches="$inst/launches.txt"
warmup=$(( seconds / 6 > 10 ? seconds / 6 : 10 ))

bash "$root/scripts/demo/install.sh" "$build" "$inst" >/dev/null
crlf() { sed 's/$/\r/'; }
# The emulator stand-in notes each start, then plays for two seconds.
cat >"$inst/soak_emulator" <<'EMU'
#!/bin/sh
echo "$*" >>"$SOAK_LAUNCHES"
ORV_DEMO_EMULATOR_SECONDS=2 exec "$(dirname "$0")/demo_emulator" "$@"
EMU
chmod +x "$inst/soak_emulator"
: >"$launches"
: >"$inst/keys.txt"
: >"$inst/rss.txt"
# Two game configurations with a screensaver each (random game, slide show) and a menu
# that switches between them.
cfg="$inst/config"
sed -e 's/^EmuExe=.*/EmuExe=.\\soak_emulator/' -e 's/^Menu=.*/Menu=SoakMenu/' -e 's/^ScrType=.*/ScrType=1/' \
  -e 's/^ScrTimeOut=.*/ScrTimeOut=6/' -e 's/^ScrDuration=.*/ScrDuration=3/' "$cfg/Demo/config.ini" >"$cfg/Demo/c.tmp"
mv "$cfg/Demo/c.tmp" "$cfg/Demo/config.ini"
mkdir -p "$cfg/Demo2" "$cfg/SoakMenu"
sed -e 's/^ScrType=.*/ScrType=2/' -e 's/Demo\\Demo.txt/Demo2\\Demo2.txt/' "$cfg/Demo/config.ini" >"$cfg/Demo2/config.ini"
head -n 40 "$cfg/Demo/Demo.txt" >"$cfg/Demo2/Demo2.txt"
sed -e 's/^TypeMenu=.*/TypeMenu=YES/' -e 's/Demo\\Demo.txt/SoakMenu\\menu.txt/' -e 's/^ScrType=.*/ScrType=0/' \
  "$cfg/Demo/config.ini" >"$cfg/SoakMenu/config.ini"
printf '[Demo]\nFullName=Demo games\n[Demo2]\nFullName=A few demo games\n' | crlf >"$cfg/SoakMenu/menu.txt"

source "$root/scripts/demo/xvfb.sh"
start_xvfb
pid=""
finish() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  stop_xvfb
}
trap finish EXIT

export SOAK_LAUNCHES="$launches"
XDG_CACHE_HOME="$build/soak-cache" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$inst/Orvanel" 2>"$inst/stderr.txt" &
pid=$!
window() { xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null | head -n1 || true; }
for _ in $(seq 1 100); do
  [ -n "$(window)" ] && break
  sleep 0.1
done
[ -n "$(window)" ] || { echo "soak: the frontend showed no window" >&2; tail -n 20 "$inst/debug.txt" >&2; exit 1; }

# A key to the frontend's window (found again when SDL has replaced it); none while a game
# has the screen.
win=""
send() {
  if [ -z "$win" ] || ! xdotool key --window "$win" "$1" 2>/dev/null; then
    win="$(window)"
    [ -n "$win" ] && { xdotool key --window "$win" "$1" 2>/dev/null || true; }
  fi
  echo "$1" >>"$inst/keys.txt"
}
rss() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status"; }
alive() { kill -0 "$pid" 2>/dev/null; }
keys=(Down Down Down Down Up Up Up Right Left Next Prior space space s a r 1 1 1 2 Control_L)
# No game is running when every start has come back ("Retour lancement" in the log).
idle() { [ "$(wc -l <"$launches")" -le "$(grep -c 'Retour lancement' "$inst/debug.txt" 2>/dev/null || true)" ]; }
wait_idle() { for _ in $(seq 1 100); do idle && return; sleep 0.1; done; }
play() { for k in Down 1; do send "$k"; sleep 0.3; done; sleep 2.5; wait_idle; }
# Warm-up: games played in both configurations and a switch there and back, so that what
# the first of each keeps for good is in place before the memory is measured.
for _ in 1 2 3; do play; done
for k in Control_L Down 1; do send "$k"; sleep 0.5; done
sleep 1
for _ in 1 2 3; do play; done
for k in Control_L Up 1; do send "$k"; sleep 0.5; done
sleep 1
warmupLaunches=""
start=$SECONDS
rssStart=""
menuSteps=0
RANDOM=12345
while (( SECONDS - start < seconds )); do
  alive || break
  if [ -z "$rssStart" ] && (( SECONDS - start >= warmup )) && idle; then
    rssStart=$(rss)
    warmupLaunches=$(wc -l <"$launches")
  fi
  # Now and then a quiet spell, long enough for a screensaver to start.
  if (( RANDOM % 15 == 0 )); then sleep 9; continue; fi
  key=${keys[$(( RANDOM % ${#keys[@]} ))]}
  # In the menu the launch key switches configuration: pick one of the two first.
  if [ "$key" = Control_L ]; then menuSteps=1; fi
  sent=("$key")
  # The favourites list holds only played games: a visit of a few keys, then back.
  if [ "$key" = s ]; then sent=(s $(printf 'Down %.0s' $(seq 1 $(( RANDOM % 3 + 1 )))) s); fi
  for k in "${sent[@]}"; do
    send "$k"
    sleep 0.2
  done
  if (( menuSteps > 0 )); then
    sleep 0.5
    send "$( (( RANDOM % 2 )) && echo Down || echo Up)"
    send 1
    menuSteps=0
  fi
  # A launch is played out before the next key.
  case "$key" in 1 | 2) sleep 3 ;; *) sleep 0.$(( RANDOM % 3 + 1 )) ;; esac
  echo "$(( SECONDS - start )) $(rss) $(wc -l <"$launches") $key" >>"$inst/rss.txt"
done

status=0
if ! alive; then
  wait "$pid" || status=$?
  echo "soak: the frontend ended during the run (status $status)" >&2
  tail -n 20 "$inst/debug.txt" >&2
  exit 1
fi
# Let a game in progress end, then measure and close as a window manager would.
sleep 3
wait_idle
rssEnd=$(rss)
win="$(window)"
closer="$build/tools/close_window/close_window"
if [ -x "$closer" ] && [ -n "$win" ]; then "$closer" "$win" || kill -TERM "$pid"; else kill -TERM "$pid"; fi
for _ in $(seq 1 100); do alive || break; sleep 0.1; done
alive && { echo "soak: the frontend did not end on its close request" >&2; exit 1; }
wait "$pid" || status=$?
pid=""

failed=0
fail() { echo "soak: $*" >&2; failed=1; }
(( status == 0 )) || fail "exit status $status"
if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$inst/stderr.txt"; then
  fail "sanitizer report"; grep -m5 -E 'ERROR|runtime error' "$inst/stderr.txt" >&2
fi
growth=$(( ${rssEnd:-0} - ${rssStart:-0} ))
maxGrowth="${SOAK_MAX_GROWTH_KB:-5120}"
(( growth < maxGrowth )) || fail "resident memory grew by $growth kB after the warm-up (bound $maxGrowth kB)"

# Every settings and statistics file reads as a profile: headers, key=value lines, blanks.
for f in "$cfg/Orvanel.ini" "$cfg"/*/config.ini "$inst"/*.sta "$cfg"/*/*.sta; do
  [ -f "$f" ] || continue
  if ! tr -d '\r' <"$f" | awk '/^$/ || /^\[.*\]$/ || /^[^=]+=/ || /^;/ {next} {bad=1} END {exit bad}'; then
    fail "$f is not readable"
  fi
done
# Runs counted (normal + screensaver) in the game records and in the global record.
count() {  # count <key regex> <section regex or ""> <files...>
  local key="$1" section="$2"
  shift 2
  local files=()
  for f in "$@"; do [ -f "$f" ] && files+=("$f"); done
  [ ${#files[@]} -gt 0 ] || { echo 0; return; }
  cat "${files[@]}" | tr -d '\r' | awk -F= -v key="^($key)\$" -v section="$section" '
    /^\[/ {in_section = section == "" || $0 ~ section; next}
    in_section && $1 ~ key {s += $2}
    END {print s + 0}'
}
made=$(wc -l <"$launches")
gameFiles=("$cfg/Demo/Demo.sta" "$cfg/Demo2/Demo2.sta")
inGames=$(count 'Nb|NbScr' '' "${gameFiles[@]}")
screensaver=$(count NbScr '' "${gameFiles[@]}")
inGlobal=$(count 'Nb|NbScr' '^\[StatGen\]$' "$inst/Orvanel.sta")
[ "$inGames" = "$made" ] || fail "the game records count $inGames runs, the emulator started $made times"
[ "$inGlobal" = "$made" ] || fail "the global record counts $inGlobal runs, the emulator started $made times"

echo "soak: $(grep -m1 'Rendu :' "$inst/debug.txt" | sed 's/.*=> //')"
echo "soak: ${seconds}s, $(wc -l <"$inst/keys.txt") keys; resident memory ${rssStart:-?} kB after the warm-up" \
  "(${warmupLaunches:-?} games and ${warmup}s), ${rssEnd:-?} kB at the end" \
  "(growth ${growth} kB); emulator started $made times ($screensaver by the screensaver), counted" \
  "$inGames in the game records and $inGlobal in the global record"
exit $failed
