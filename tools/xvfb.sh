#!/usr/bin/env bash
# Private Xvfb for one build tree.
#
#   tools/xvfb.sh start [BUILD_DIR]   start it, or reuse the running one;
#                                     prints the display (":N") on stdout
#   tools/xvfb.sh stop  [BUILD_DIR]   stop it (only ours: the pid on file)
#   tools/xvfb.sh status [BUILD_DIR]  prints the display if it runs
#
# State lives in BUILD_DIR/.xvfb/ (display, pid, log). Screen: 1024x768x24,
# VMTOOL_XVFB_SCREEN overrides it. The display number is picked by Xvfb
# (-displayfd), so parallel build trees never collide.
set -euo pipefail

cmd=${1:-}
build=${2:-build}
mkdir -p "$build"
build=$(cd "$build" && pwd)
state=$build/.xvfb
mkdir -p "$state"

running() {
  [ -s "$state/pid" ] && [ -s "$state/display" ] || return 1
  local pid
  pid=$(cat "$state/pid")
  kill -0 "$pid" 2>/dev/null || return 1
  # The pid must still be an Xvfb (not a recycled pid).
  [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] || return 1
  [ -S "/tmp/.X11-unix/X$(cut -c2- "$state/display")" ]
}

case "$cmd" in
  start)
    exec 9>"$state/lock"
    flock 9
    if ! running; then
      rm -f "$state/pid" "$state/display"
      # A wineserver of this tree that lived on the old display is stale.
      if [ -d "$build/wineprefix" ]; then
        WINEPREFIX=$build/wineprefix wineserver -k >/dev/null 2>&1 || true
      fi
      # setsid + all fds redirected: Xvfb must not hold ctest's pipes open.
      exec 8>"$state/display.tmp"
      setsid Xvfb -displayfd 8 -screen 0 "${VMTOOL_XVFB_SCREEN:-1024x768x24}" \
        -nolisten tcp -noreset </dev/null >"$state/log" 2>&1 9>&- &
      pid=$!
      exec 8>&-
      for _ in $(seq 100); do
        [ -s "$state/display.tmp" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
      done
      if ! [ -s "$state/display.tmp" ]; then
        kill "$pid" 2>/dev/null || true
        echo "xvfb.sh: Xvfb did not start, see $state/log" >&2
        exit 1
      fi
      echo ":$(tr -dc 0-9 <"$state/display.tmp")" >"$state/display"
      rm -f "$state/display.tmp"
      echo "$pid" >"$state/pid"
    fi
    cat "$state/display"
    ;;
  stop)
    exec 9>"$state/lock"
    flock 9
    if running; then
      # Xvfb needs about a second to exit; nobody waits for it (a new start
      # never reuses it: the pid file is gone).
      kill "$(cat "$state/pid")" 2>/dev/null || true
    fi
    rm -f "$state/pid" "$state/display"
    ;;
  status)
    running && cat "$state/display"
    ;;
  *)
    echo "usage: $0 start|stop|status [BUILD_DIR]" >&2
    exit 2
    ;;
esac
