# Sourced by what runs Windows programs under Wine. The prefix is WINEPREFIX, which the
# caller sets to a folder of its own inside the build tree, so that ~/.wine is never
# touched; wine_session_start makes it afresh, wine_session_stop ends its Wine processes,
# and only those, and removes it: a prefix takes hundreds of megabytes.
# The Wine is the 32-bit one, which runs the shipped 32-bit program: this machine's own
# where it has Debian's wine32:i386, and otherwise the one in the i386 root
# $VELTARO_WINE_ROOT (see wine-root), which runs the same commands: wine, wineboot and
# wineserver. Where VELTARO_WINE_ARCH is win64 it is Debian's 64-bit Wine, for the x86-64
# stand-in of a machine that runs no 32-bit code (cmake/wine.cmake).
export WINEARCH=${VELTARO_WINE_ARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Wine's .NET and HTML engines, which nothing here uses, and no
# menu entries on this machine for the shortcuts an installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine makes a file's Unix name in its locale's character set: where that is not UTF-8 (no
# LANG at all, as in a fresh machine's login) a name such as Велтаро.lnk cannot be made,
# and the installer drops that shortcut without a word. Every Wine here starts in C.UTF-8,
# whatever the caller's locale; a program given another one is given it in LANG.
unset LC_ALL LANGUAGE "${!LC_@}"
export LANG=C.UTF-8

# Whether the Wine is this machine's own: the 64-bit one, or Debian's wine32 with its loader.
wine_session_on_host() { [ "$WINEARCH" = win64 ] || [ -x /usr/lib/wine/wine ]; }

wine_session_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "$WINEARCH" = win64 ]; then
  PATH=$wine_session_scripts/wine64-bin:$PATH
elif ! wine_session_on_host && [ -n "${VELTARO_WINE_ROOT:-}" ]; then
  PATH=$wine_session_scripts/wine-root-bin:$PATH
fi

wine_session_start() {
  : "${WINEPREFIX:?set WINEPREFIX to a folder inside the build tree}"
  export WINEPREFIX
  if [ "$WINEARCH" = win64 ] && [ ! -x /usr/lib/wine/wine64 ]; then
    echo "FAIL: no 64-bit Wine: Debian's wine64 is not installed" >&2
    return 1
  elif ! wine_session_on_host && [ ! -e "${VELTARO_WINE_ROOT:-/nowhere}/.veltaro-wine-root" ]; then
    echo "FAIL: no 32-bit Wine: neither wine32:i386 here nor a root made by scripts/wine-root" >&2
    return 1
  fi
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  if ! wineboot -i >/dev/null 2>&1; then
    echo "FAIL: Wine cannot make a prefix in $WINEPREFIX" >&2
    return 1
  fi
  # On an X server with no window manager Wine waits two seconds at each window's close
  # for one to answer; windows that Wine frames itself need none.
  if [ -n "${WINE_RUN_UNMANAGED:-}" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  fi
}

# Where the programs find a locale that the system may lack: the root has the Bulgarian
# one built in; here it is built into the prefix's side and LOCPATH names it.
wine_session_locale() {  # locale
  wine_session_on_host || return 0
  export LOCPATH=$WINEPREFIX.locales
  mkdir -p "$LOCPATH"
  localedef -i "${1%%.*}" -f "${1#*.}" "$LOCPATH/$1" >/dev/null 2>&1
}

wine_session_stop() {
  wineserver -k 2>/dev/null || true
  # The server writes the prefix's registry as it ends.
  timeout 60 wineserver -w 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$WINEPREFIX.locales"
}
