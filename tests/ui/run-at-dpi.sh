#!/usr/bin/env bash
# Runs a Windows test program with the display at DPI dots per inch:
#   run-at-dpi.sh [--stock-fonts] DPI ARCH PROGRAM [ARGUMENTS]   (ARCH: i686 or x86_64)
# --stock-fonts: without the classic faces the rig copies into its prefix, as
# in a prefix that Debian's Wine makes for a player.
# Wine reads the DPI when its server starts, so the program runs in a copy of
# the rig's prefix with a server of its own; the rig's server and every other
# test stay at 96 dpi. The copy's files are hard links (the prefix holds over a
# gigabyte of DLLs); the registry files, which Wine rewrites, are real copies.
set -euo pipefail
stock_fonts=
if [ "$1" = --stock-fonts ]; then
  stock_fonts=1
  shift
fi
dpi=$1
arch=$2
shift 2
top=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "run-at-dpi: no Wine rig in this environment; run tools/test.sh" >&2
  exit 2
fi
prefix="$WINEPREFIX-at-dpi"
# The same prefix serves every run; ctest runs them one at a time (resource lock).
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 </dev/null || true
rm -rf "$prefix"
cp -al "$WINEPREFIX" "$prefix"
find "$WINEPREFIX" -maxdepth 1 -type f -exec cp --remove-destination {} "$prefix/" \;
rm -f "$prefix/wineserver"
if [ -n "$stock_fonts" ]; then
  for font in /usr/share/wine/fonts/*; do rm -f "$prefix/drive_c/windows/Fonts/$(basename "$font")"; done
fi
# HKCU\Control Panel\Desktop, value LogPixels: written before the server reads it.
awk -v dpi="$(printf '%08x' "$dpi")" '
  { print }
  /^\[Control Panel\\\\Desktop\]/ { section = 1; next }
  section && /^#time=/ { print "\"LogPixels\"=dword:" dpi; section = 0 }' \
  "$WINEPREFIX/user.reg" >"$prefix/user.reg"
export WINEPREFIX="$prefix"
trap 'wineserver -k >/dev/null 2>&1 </dev/null || true' EXIT
# As the rig does: a persistent server and the desktop's services started with
# no pipe of ctest's, so that nothing keeps the test's output open.
wineserver -p >/dev/null 2>&1 </dev/null
"$top/tools/wine-run.sh" x86_64 wineboot -i >/dev/null 2>&1
"$top/tools/wine-run.sh" x86_64 cmd /c exit >/dev/null 2>&1
ZELMORA_TEST_DPI=$dpi "$top/tools/wine-run.sh" "$arch" "$@"
