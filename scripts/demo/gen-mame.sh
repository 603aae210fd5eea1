#!/usr/bin/env bash
# When Debian's MAME is installed, adds to the demo installation a configuration "MAME"
# with MAME's arcade games that need no ROM files (pong, pongd, breakout, rebound), started
# through a small wrapper, and a menu configuration "Menu" to switch between the demo
# emulator and MAME (MenuKey, left Ctrl, opens it from either).
# Usage: gen-mame.sh <installation dir> [build dir]
set -euo pipefail
inst="$1"
mame="${ORVANEL_MAME:-/usr/games/mame}"
if [ ! -x "$mame" ]; then
  echo "gen-mame: $mame not installed, no MAME configuration"
  exit 0
fi

crlf() { sed 's/$/\r/'; }

emu="$inst/emulators/mame"
mkdir -p "$emu/roms" "$inst/config/MAME" "$inst/config/Menu"

# The frontend gives the ROM path; MAME wants the game's short name. Options for a run
# (-window, -seconds_to_run 2, ...) come from ORVANEL_MAME_ARGS.
cat > "$emu/orvanel-mame" <<WRAPPER
#!/bin/sh
here=\$(cd "\$(dirname "\$0")" && pwd)
rom=\${1##*/}
rom=\${rom%.*}
exec "$mame" -skip_gameinfo -rompath "\$here/roms" -cfg_directory "\$here/cfg" \\
  -nvram_directory "\$here/nvram" -snapshot_directory "\$here/snap" \${ORVANEL_MAME_ARGS:-} "\$rom"
WRAPPER
chmod +x "$emu/orvanel-mame"

crlf > "$inst/config/MAME/mame.txt" <<'LIST'
[pong]
FullName=Pong (Rev E) [TTL]
Infos1=1972
Infos2=Atari
Infos3=2P dial
[pongd]
FullName=Pong Doubles [TTL]
Infos1=1973
Infos2=Atari
Infos3=4P dial
[breakout]
FullName=Breakout [TTL]
Infos1=1976
Infos2=Atari
Infos3=1P dial
[rebound]
FullName=Rebound (Rev B) [TTL]
Infos1=1974
Infos2=Atari
Infos3=2P dial
LIST

template="$( (grep -i '^TemplateDir=' "$inst/config/Demo/config.ini" 2>/dev/null || true) | head -n1 | cut -d= -f2- | tr -d '\r')"
template="${template:-Etoiles}"

crlf > "$inst/config/MAME/config.ini" <<INI
[Config]
LastGame=pong
ListeFavoris=NO
TemplateDir=$template
RomDir=.\\emulators\\mame\\roms
RomsExt=zip;7z
EmuExe=.\\emulators\\mame\\orvanel-mame
ScrType=0
ScrTimeOut=0
ScrDuration=0
FichierDescription=.\\config\\MAME\\mame.txt
Menu=Menu
TypeMenu=NO
Sons=YES
Guillemets=YES
CacherFenetre=YES
INI

crlf > "$inst/config/Menu/menu.txt" <<'LIST'
[Demo]
FullName=Demo emulator
Infos1=the demo installation's own emulator
[MAME]
FullName=MAME arcade games
Infos1=games that need no ROM files
LIST

crlf > "$inst/config/Menu/config.ini" <<INI
[Config]
LastGame=MAME
TemplateDir=$template
FichierDescription=.\\config\\Menu\\menu.txt
TypeMenu=YES
Sons=YES
INI

# MenuKey opens the menu from the demo configuration too.
if [ -f "$inst/config/Demo/config.ini" ]; then
  sed -i 's/^Menu=.*$/Menu=Menu\r/' "$inst/config/Demo/config.ini"
fi
echo "gen-mame: configurations MAME and Menu added"
