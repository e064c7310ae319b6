#!/usr/bin/env bash
# Builds and starts the launcher (BUILD_DIR/bin/vmtool.exe) through Wine.
#
#   tools/run.sh [BUILD_DIR] [launcher args...]   BUILD_DIR defaults to build
#
# With DISPLAY: runs it on that display and waits until it ends.
# Without DISPLAY: starts a private Xvfb (1024x768x24), starts the launcher,
# waits until its window "VOREX&MAVRO Tool" is mapped, saves a screenshot of
# the screen to BUILD_DIR/screenshot.png (and of the window alone to
# BUILD_DIR/screenshot-window.png), closes the launcher and prints the path.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift $(( $# > 0 ? 1 : 0 ))
mkdir -p "$build"
build=$(cd "$build" && pwd)
title='VOREX&MAVRO Tool'
exe=$build/bin/vmtool.exe

bash "$root/tools/build.sh" "$build"
[ -f "$exe" ] || { echo "run.sh: $exe was not built" >&2; exit 1; }
"$root/tools/wine-prefix.sh" "$build"

if [ -n "${DISPLAY:-}" ]; then
  exec "$root/tools/wine-run" --build-dir "$build" "$exe" "$@"
fi

started_xvfb=no
app=
cleanup() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then
    "$root/tools/wine-prefix.sh" --stop "$build" || true
  fi
  if [ $started_xvfb = yes ]; then
    "$root/tools/wine-prefix.sh" --stop "$build" || true
    "$root/tools/xvfb.sh" stop "$build" || true
  fi
}
trap cleanup EXIT

if ! "$root/tools/xvfb.sh" status "$build" >/dev/null; then started_xvfb=yes; fi
DISPLAY=$("$root/tools/xvfb.sh" start "$build")
export DISPLAY

"$root/tools/wine-run" --build-dir "$build" "$exe" "$@" </dev/null &
app=$!

# xdotool matches the title as a regular expression; "&" is a plain character there.
win=
for _ in $(seq 150); do
  win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
  [ -n "$win" ] && break
  if ! kill -0 "$app" 2>/dev/null; then
    wait "$app" && rc=0 || rc=$?
    echo "run.sh: the launcher ended (exit code $rc) before its window appeared" >&2
    app=
    exit 1
  fi
  sleep 0.2
done
if [ -z "$win" ]; then
  echo "run.sh: no window titled '$title' within 30 s" >&2
  exit 1
fi

sleep "${VMTOOL_PAINT_DELAY:-1.5}"   # let it paint
shot=$build/screenshot.png
import -display "$DISPLAY" -window root "$shot"
eval "$(xdotool getwindowgeometry --shell "$win")"
import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$build/screenshot-window.png" || true

# Close it like a user would (Alt+F4); if it does not end, stop our wineserver.
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key alt+F4 2>/dev/null || true
for _ in $(seq 25); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$app" 2>/dev/null; then
  "$root/tools/wine-prefix.sh" --stop "$build" || true
fi
wait "$app" 2>/dev/null || true
app=
echo "$shot"
