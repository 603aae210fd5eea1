#!/usr/bin/env bash
# Writes the demo configuration's game list: made-up games with made-up ROM names, so
# nothing real is shipped. Usage: gen-game-list.sh <installation dir> <build dir>
set -euo pipefail
inst="$1"
out="$inst/config/Demo/Demo.txt"
mkdir -p "$(dirname "$out")" "$inst/roms"

first=(Astro Bubble Cosmic Dragon Electro Frantic Galaxy Hyper Iron Jungle Kung Laser Mega Neon Orbit Pixel)
second=(Blaster Bandit Racer Quest Fighter Panic Raiders Strike Runner Legend Patrol Attack)
years=(1979 1980 1981 1982 1983 1984 1985 1986 1987 1988 1989 1990)
screens=("h 256x224 60Hz" "v 224x288 60Hz" "h 320x240 57Hz" "v 240x320 60Hz")
controls=("1P 1B 1C joy4way" "2P 2B 2C joy8way" "2P 3B 1C joy8way" "1P 1B 1C dial")

{
  for i in $(seq 0 29); do
    a=${first[$(( (i * 7) % ${#first[@]} ))]}
    b=${second[$(( (i * 5 + 3) % ${#second[@]} ))]}
    rom=$(printf '%s%s' "${a,,}" "${b,,}" | cut -c1-8)
    printf '[%s%02d]\r\n' "$rom" "$i"
    printf 'FullName=%s %s\r\n' "$a" "$b"
    if (( i % 6 == 5 )); then printf 'RomOf=%s%02d\r\n' "$rom" $(( i - 1 )); fi
    printf 'Infos1=%s\r\n' "${years[$(( i % ${#years[@]} ))]}"
    printf 'Infos2=%s\r\n' "${screens[$(( i % ${#screens[@]} ))]}"
    printf 'Infos3=%s\r\n' "${controls[$(( (i / 2) % ${#controls[@]} ))]}"
    : > "$inst/roms/$rom$(printf '%02d' "$i").zip"
  done
} > "$out"
