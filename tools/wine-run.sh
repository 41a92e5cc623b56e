#!/usr/bin/env bash
# ctest's emulator for the Windows test programs: runs one under the rig's Wine.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no Wine rig in this environment; run tools/test.sh" >&2
  exit 2
fi
exec wine "$@" </dev/null
