#!/usr/bin/env bash
# Lays out a demo installation of the game and the Zelmora pack in a Wine prefix:
#   lay-out-game.sh PREFIX
# C:\Games\Cossacks II\Run\Data\... with the game's list files, and
# C:\Zelmora\Maps with 21 demo maps of our own (placeholders with a title line).
set -euo pipefail
prefix=$1
game="$prefix/drive_c/Games/Cossacks II"
pack="$prefix/drive_c/Zelmora"
data="$game/Run/Data"
rm -rf "$game" "$pack"
mkdir -p "$data/Missions/Skirmish" "$data/Missions/Text" "$data/Interf3/maps/skirmish" "$pack/Maps"

crlf() { printf '%s\r\n' "$@"; }
crlf 3 "#Campaign_Austerlitz" "#Campaign_Borodino" "#Campaign_Waterloo" > "$data/Missions/SingleMiss.txt"
for m in Austerlitz Borodino Waterloo; do
  crlf "#Campaign_$m" "#Campaign_${m}_TXT" "-" "Missions\\Campaign\\$m.m3d" \
    "Missions\\Campaign\\$m.txt" "2" "Interf3\\maps\\Campaign\\$m.jpg 444 211" "236 125 1007 400"
done > "$data/Missions/missions.txt"
crlf "Skirmish_Alps_TXT Alpine Pass" "Skirmish_Delta_TXT River Delta" > "$data/Missions/Text/Skirbatlnames.txt"

# The pack's maps; Linux keeps the u-umlaut name in UTF-8, as Wine expects.
maps=(StonebridgeVale RavenHillV2 Kel_Map001 KelMap2 Marschfeld Moorland Tal_Gefecht 3erWachturm
      Scharmützel2 N_R_Bay 3Marshals 6Dukes RiverbendV2 QXMap001 QXMap002 QXMap003 QXMap004
      QXMap005 QXMap006 QXMap007 QXMap008)
for i in "${!maps[@]}"; do
  name=${maps[$i]}
  printf 'ZELMORA DEMO MAP %s\n' "$name" > "$pack/Maps/$name.m3d"
  crlf "{Zelmora}{1.60}Zelmora Field $((i + 1))." "A demo map of the Zelmora pack." > "$pack/Maps/$name.txt"
  convert -size 96x64 "xc:#6f7d3c" -fill "#f6e7b0" -font DejaVu-Sans -gravity center -pointsize 10 \
    -annotate 0 "$name" "$pack/Maps/$name.jpg"
done
