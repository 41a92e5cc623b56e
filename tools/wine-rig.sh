# Sourced by the test, demo and benchmark scripts: a private 64-bit Wine prefix
# in the build tree, an Xvfb display seen by the very first wine call, and one
# persistent wineserver for the run. Call start_wine_rig, then stop_wine_rig
# when done (the callers trap EXIT).
#
# Some hosts run 64-bit code only: there every 32-bit Linux program, Wine's
# 32-bit loader included, fails with "Exec format error". The rig finds out
# once, says so, and exports ZELMORA_HOST_RUNS_32BIT (1 or 0); the prefix is
# set up with the 64-bit loader, which every host runs. ZELMORA_WINE_64BIT_ONLY=1
# makes it treat a host that runs both as one that runs 64-bit code only.

wine_rig_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64

detect_wine_host() {
  [ -n "${wine_rig_host_known:-}" ] && return 0
  wine_rig_host_known=1
  if [ "${ZELMORA_WINE_64BIT_ONLY:-}" = 1 ]; then
    ZELMORA_HOST_RUNS_32BIT=0
    echo "Wine host: treated as 64-bit only (ZELMORA_WINE_64BIT_ONLY=1): 64-bit programs only"
  elif "$wine32" --version >/dev/null 2>&1; then
    ZELMORA_HOST_RUNS_32BIT=1
    echo "Wine host: runs 32-bit and 64-bit code: 32-bit and 64-bit programs"
  else
    ZELMORA_HOST_RUNS_32BIT=0
    echo "Wine host: runs 64-bit code only (Wine's 32-bit loader cannot start): 64-bit programs only"
  fi
  export ZELMORA_HOST_RUNS_32BIT
  # Debian's wine wrappers pick the 32-bit loader whenever it is installed;
  # Wine itself starts further processes through WINELOADER.
  [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ] || export WINELOADER="$wine64"
}

# The loader for a build's programs: wine_loader i686|x86_64
wine_loader() {
  if [ "$1" = i686 ]; then echo "$wine32"; else echo "$wine64"; fi
}

start_wine_rig() {
  detect_wine_host
  export WINEPREFIX="${WINEPREFIX:-$wine_rig_top/build/wine-prefix}"
  export WINEDEBUG=-all
  # No Mono or Gecko install prompts.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # 8-bit file names only map to Linux names under a generated UTF-8 locale.
  export LANG=C.UTF-8
  unset LC_ALL
  if [ -z "${ZELMORA_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    wine_rig_xvfb=$!
    local i
    for i in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.05; done
    export DISPLAY=":$(cat "$fd_file")"
    rm -f "$fd_file"
  fi
  local fresh=
  [ -f "$WINEPREFIX/system.reg" ] || fresh=1
  mkdir -p "$WINEPREFIX"
  if [ -n "$fresh" ]; then
    wineserver -p
    "$wine64" wineboot -i >/dev/null 2>&1 </dev/null
    if [ -n "${wine_rig_xvfb:-}" ]; then
      # No window manager under Xvfb: unmanaged windows avoid a 2 s stall per close.
      "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    fi
    # The classic dialog fonts (MS Sans Serif, Marlett) are not found otherwise.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # The desktop process read its settings before these existed: start afresh.
    wineserver -k
    wineserver -w
  fi
  wineserver -p
  "$wine64" wineboot -i >/dev/null 2>&1 </dev/null
  # The first start of each loader maps its DLLs from disk: do it before any
  # test's clock runs.
  "$wine64" cmd /c exit </dev/null >/dev/null 2>&1
  if [ "$ZELMORA_HOST_RUNS_32BIT" = 1 ]; then
    "$wine32" cmd /c exit </dev/null >/dev/null 2>&1
  fi
}

stop_wine_rig() {
  wineserver -k 2>/dev/null || true
  if [ -n "${wine_rig_xvfb:-}" ]; then
    kill "$wine_rig_xvfb" 2>/dev/null || true
    wait "$wine_rig_xvfb" 2>/dev/null || true
  fi
}
