#!/usr/bin/env bash
# Creates the private 32-bit Wine prefix of a build tree and configures it.
#
#   tools/wine-prefix.sh [BUILD_DIR]        create/update BUILD_DIR/wineprefix
#   tools/wine-prefix.sh --stop [BUILD_DIR] stop the wineserver of that prefix
#                                           (and nothing else)
#
# Settings: the font replacements Arial, Microsoft Sans Serif, MS Shell Dlg,
# MS Shell Dlg 2 and Tahoma -> Liberation Sans (fonts-liberation). A stamp
# file makes a second call instant; changing the settings below changes the
# stamp name, so old prefixes are updated on the next call.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
stop=no
if [ "${1:-}" = --stop ]; then stop=yes; shift; fi
build=${1:-build}
mkdir -p "$build"
build=$(cd "$build" && pwd)

export WINEPREFIX=$build/wineprefix
export WINEARCH=win32
export WINEDEBUG=${VMTOOL_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ $stop = yes ]; then
  wineserver -k >/dev/null 2>&1 || true
  exit 0
fi

stamp=$WINEPREFIX/.vmtool-prefix-v2
[ -f "$stamp" ] && exit 0

exec 9>"$build/.wineprefix.lock"
flock 9
[ -f "$stamp" ] && exit 0

if [ -z "${DISPLAY:-}" ]; then
  DISPLAY=$("$here/xvfb.sh" start "$build")
  export DISPLAY
fi

echo "wine-prefix.sh: setting up $WINEPREFIX" >&2
# Another prefix's server must not be touched; ours may be stale.
wineserver -k >/dev/null 2>&1 || true
wineboot -i </dev/null >/dev/null 2>&1 9>&-

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
{
  printf 'REGEDIT4\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for f in "Arial" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma"; do
    printf '"%s"="Liberation Sans"\r\n' "$f"
  done
  # Xvfb runs no window manager: unmanaged windows spare every hide the
  # two seconds Wine would wait for a manager's answer.
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
  printf '"Managed"="N"\r\n'
} >"$reg"
wine regedit /S "$reg" </dev/null >/dev/null 2>&1 9>&-

# Stop our server so it writes the registry to disk now.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
if ! grep -q 'Fonts\\\\Replacements' "$WINEPREFIX/user.reg"; then
  echo "wine-prefix.sh: font replacements did not reach $WINEPREFIX/user.reg" >&2
  exit 1
fi
date >"$stamp"
