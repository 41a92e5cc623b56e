#!/usr/bin/env bash
# Runs the wizard on a built-in demo installation of the game, in a Wine prefix
# of its own. With a display it opens the wizard for you; without one it walks
# through every page on a virtual display, saves a picture of each page and
# prints what the install changed in the game's list files.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
source "$top/tools/windows-builds.sh"
# The product is the 32-bit Setup.exe; a host that runs no 32-bit code gets
# the same program built for 64 bits.
choose_product_build
build=$product_build arch=$product_arch
echo "Running the ${build#win}-bit Setup.exe (build/$build)"
configure_windows "$top" "$top/build/$build" "$arch"
cmake --build "$top/build/$build" -j"$(nproc)" --target Setup walkthrough >/dev/null
loader=$(wine_loader "$arch")

export WINEPREFIX="$top/build/demo-prefix"
[ -n "${DISPLAY:-}" ] && export ZELMORA_KEEP_DISPLAY=1
trap stop_wine_rig EXIT
start_wine_rig

"$top/tools/demo/lay-out-game.sh" "$WINEPREFIX"
cp "$top/build/$build/Setup.exe" "$WINEPREFIX/drive_c/Zelmora/"
# The registry entry as the 32-bit game writes it (the Wow6432Node view).
"$wine64" reg delete 'HKLM\Software\CDV Software Entertainment AG' /f /reg:32 >/dev/null 2>&1 || true
"$wine64" reg add 'HKLM\Software\CDV Software Entertainment AG\Cossacks 2 - Battle for Europe\1.0' \
  /v 'target folder' /d 'C:\Games\Cossacks II' /f /reg:32 >/dev/null 2>&1
data="$WINEPREFIX/drive_c/Games/Cossacks II/Run/Data/Missions"
before=$(mktemp -d)
cp "$data/SingleMiss.txt" "$data/missions.txt" "$data/Text/Skirbatlnames.txt" "$before/"

if [ -n "${ZELMORA_KEEP_DISPLAY:-}" ]; then
  echo "Opening the wizard on $DISPLAY (its maps: C:\\Zelmora\\Maps, the game: C:\\Games\\Cossacks II)"
  (cd "$WINEPREFIX/drive_c/Zelmora" && "$loader" Setup.exe </dev/null)
else
  pictures="$top/build/demo-screenshots"
  rm -rf "$pictures" && mkdir -p "$pictures"
  "$loader" "$top/build/$build/tests/walkthrough.exe" 'C:\Zelmora\Setup.exe' 'C:\Zelmora' \
    "$("$wine64" winepath -w "$pictures")" </dev/null
  for picture in "$pictures"/*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done
  echo "Pictures of every page: $pictures/"
fi

echo "== What the install changed in the game's list files =="
for file in SingleMiss.txt missions.txt Skirbatlnames.txt; do
  after="$data/$file"
  [ "$file" = Skirbatlnames.txt ] && after="$data/Text/$file"
  diff -u --label "before/$file" --label "after/$file" <(tr -d '\r' < "$before/$file") \
    <(tr -d '\r' < "$after") | iconv -f WINDOWS-1252 -t UTF-8 || true
done
rm -rf "$before"
