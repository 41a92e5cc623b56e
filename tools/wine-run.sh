#!/usr/bin/env bash
# ctest's emulator for the Windows test programs: runs one under the rig's Wine,
# with the loader of the program's kind.
#   wine-run.sh ARCH PROGRAM [ARGUMENTS...]      (ARCH: i686 or x86_64)
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no Wine rig in this environment; run tools/test.sh" >&2
  exit 2
fi
arch=$1
shift
case $arch in
  x86_64) exec /usr/lib/wine/wine64 "$@" </dev/null ;;
  i686) exec /usr/lib/wine/wine "$@" </dev/null ;;
  *) echo "wine-run: unknown architecture $arch" >&2; exit 2 ;;
esac
