# Sourced by the test, demo and benchmark scripts: a private Wine prefix in the
# build tree (64-bit, running our 32-bit programs through WoW64), an Xvfb display
# seen by the very first wine call, and one persistent wineserver for the run.
# Call start_wine_rig, then stop_wine_rig when done (the callers trap EXIT).

wine_rig_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

start_wine_rig() {
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
    wineboot -i >/dev/null 2>&1 </dev/null
    if [ -n "${wine_rig_xvfb:-}" ]; then
      # No window manager under Xvfb: unmanaged windows avoid a 2 s stall per close.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    fi
    # The classic dialog fonts (MS Sans Serif, Marlett) are not found otherwise.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # The desktop process read its settings before these existed: start afresh.
    wineserver -k
    wineserver -w
  fi
  wineserver -p
  wineboot -i >/dev/null 2>&1 </dev/null
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

stop_wine_rig() {
  wineserver -k 2>/dev/null || true
  if [ -n "${wine_rig_xvfb:-}" ]; then
    kill "$wine_rig_xvfb" 2>/dev/null || true
    wait "$wine_rig_xvfb" 2>/dev/null || true
  fi
}
