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

list_path() { [ "$1" = Skirbatlnames.txt ] && echo "$data/Text/$1" || echo "$data/$1"; }
echo "== What the install changed in the game's list files =="
for file in SingleMiss.txt missions.txt Skirbatlnames.txt; do
  diff -u --label "before/$file" --label "after/$file" <(tr -d '\r' < "$before/$file") \
    <(tr -d '\r' < "$(list_path "$file")") | iconv -f WINDOWS-1252 -t UTF-8 || true
done

echo "== Installed apps (wine uninstaller --list) =="
"$wine64" uninstaller --list
if [ -z "${ZELMORA_KEEP_DISPLAY:-}" ]; then
  # Wine's Installed apps window, pictured while open.
  "$wine64" uninstaller </dev/null >/dev/null 2>&1 &
  uninstaller=$!
  window=
  for _ in $(seq 100); do
    window=$(xwininfo -root -tree | awk '/"Add\/Remove Programs"/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 1  # its list is filled after the window appears
  [ -n "$window" ] && import -window "$window" "$pictures/5-installed-apps.png" &&
    echo "Picture of Installed apps: $pictures/5-installed-apps.png"
  kill "$uninstaller" 2>/dev/null || true
  wait "$uninstaller" 2>/dev/null || true
fi

echo "== Removed again as Installed apps' quiet uninstall does it =="
program_files='C:\Program Files (x86)'
[ "$arch" = x86_64 ] && program_files='C:\Program Files'
"$loader" "$program_files\Zelmora Setup\Setup.exe" /uninstall /S </dev/null && status=0 || status=$?
echo "exit code $status; Installed apps now lists: $("$wine64" uninstaller --list | grep -c Zelmora || true) Zelmora entry"
for file in SingleMiss.txt missions.txt Skirbatlnames.txt; do
  cmp -s "$before/$file" "$(list_path "$file")" && echo "$file: byte for byte as before the install" ||
    echo "$file: DIFFERS from before the install"
done
rm -rf "$before"
