#!/usr/bin/env bash
# Writes a history database for the demo games (the information panel's texts), in the
# emulator directory, which for the demo is the installation itself. The texts are made up.
# Usage: gen-history.sh <installation dir> <build dir>
set -euo pipefail
inst="$1"
list="$inst/config/Demo/Demo.txt"
[ -f "$list" ] || exit 0

awk 'BEGIN { RS = "\r?\n" }
  function flush() {
    if (rom == "") return
    printf "$info=%s,\r\n$bio\r\n\r\n", rom
    printf "%s (c) %s Demo Software.\r\n\r\n", name, year
    printf "%s is one of the made-up games of the Orvanel demo cabinet. Insert a coin with 5, ", name
    printf "start with 1, and aim for the high score before the timer runs out.\r\n\r\n"
    printf "- TRIVIA -\r\n\r\n"
    printf "The cabinet of %s had a marquee lit by two tubes; operators praised how little it broke down.\r\n\r\n", name
    printf "- TIPS AND TRICKS -\r\n\r\n"
    printf "* Hold the button to charge a shot.\r\n* Every 10,000 points give an extra life.\r\n"
    printf "* The fourth stage repeats faster until the game is over.\r\n\r\n$end\r\n\r\n"
  }
  /^\[/ { flush(); rom = substr($0, 2, length($0) - 2); name = rom; year = "1980"; next }
  /^FullName=/ { name = substr($0, 10); next }
  /^Infos1=/ { year = substr($0, 8); next }
  END { flush() }' "$list" > "$inst/history.dat"
