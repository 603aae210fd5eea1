# Sourced by the measuring scripts: the pieces they share.

# A game list of n made-up games in the demo's configuration (the demo's own shape).
# write_list <n> <file>
write_list() {
  awk -v n="$1" 'BEGIN {
    for (i = 0; i < n; i++) {
      printf "[game%05d]\r\nFullName=Game %05d of the long list\r\n", i, i
      printf "Infos1=%d\r\nInfos2=h 256x224 60Hz\r\nInfos3=2P 2B 2C joy8way\r\n", 1979 + i % 20
    }
  }' > "$2"
}

# The median of the numbers on standard input, with three decimals.
median() { sort -g | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.3f", m }'; }

# The user + system CPU ticks a process has used so far.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || true; }

# Other processes on a busy machine would stretch every figure: where allowed, the frontend
# and its X server run at the highest priority, as on a cabinet that runs nothing else.
nice_cmd=()
if nice -n -20 true 2>/dev/null; then nice_cmd=(nice -n -20); fi

# A private Xvfb when there is no display, at the highest priority where allowed (the X
# server does the pictures' last step). Call from the script itself: it sets its EXIT trap.
# start_private_xvfb [more commands for the EXIT trap]
start_private_xvfb() {
  source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
  if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    trap "stop_xvfb; ${1:-}" EXIT
    if [ "${#nice_cmd[@]}" -gt 0 ]; then renice -n -20 -p "$XVFB_PID" >/dev/null 2>&1 || true; fi
  fi
}
