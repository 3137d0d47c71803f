# Sourced by what runs Windows programs under Wine. The prefix is WINEPREFIX, which the
# caller sets to a folder of its own inside the build tree, so that ~/.wine is never
# touched; wine_session_start makes it afresh, wine_session_stop ends its Wine processes,
# and only those, and removes it: a prefix takes hundreds of megabytes.
: "${WINEPREFIX:?set WINEPREFIX to a folder inside the build tree}"
export WINEPREFIX
# A 32-bit Windows, as the program is 32-bit and as many a school PC is.
export WINEARCH=${WINEARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Wine's .NET and HTML engines: nothing here uses them.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_session_start() {
  # Debian's wine32 brings the 32-bit loader; without it no 32-bit program runs at all.
  if [ "$WINEARCH" = win32 ] && [ ! -x /usr/lib/wine/wine ]; then
    echo "SKIP: no 32-bit Wine (wine32:i386) to run a 32-bit Windows program" >&2
    exit 77
  fi
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  if ! wineboot -i >/dev/null 2>&1; then
    echo "FAIL: Wine cannot make a $WINEARCH prefix" >&2
    return 1
  fi
  # On an X server with no window manager Wine waits two seconds at each window's close
  # for one to answer; windows that Wine frames itself need none.
  if [ -n "${WINE_RUN_UNMANAGED:-}" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  fi
}

wine_session_stop() {
  wineserver -k 2>/dev/null || true
  # The server writes the prefix's registry as it ends.
  wineserver -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
