#!/usr/bin/env bash
# Builds everything and runs every test program through Wine (one Wine
# process per test program, via ctest and tools/wine-run).
#
#   tools/test.sh [BUILD_DIR] [ctest args...]    BUILD_DIR defaults to build
#
# Without DISPLAY a private Xvfb is started for the run. What this script
# started (its Xvfb, the wineserver of the build tree's prefix) is stopped at
# the end. Exits with ctest's status. Per-test timeout: VMTOOL_TEST_TIMEOUT
# (default 300 s); parallel runs: CTEST_PARALLEL_LEVEL=N.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift $(( $# > 0 ? 1 : 0 ))
mkdir -p "$build"
build=$(cd "$build" && pwd)

bash "$root/tools/build.sh" "$build"

# Is a wineserver of this build tree's prefix already running (e.g. for a
# launcher started by tools/run.sh)? Then it is not ours to stop.
prefix_server_running() {
  local pid
  for pid in $(pgrep -x 'wineserver(32|64)?' || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$build/wineprefix" && return 0
  done
  return 1
}
own_server=yes
if prefix_server_running; then own_server=no; fi

started_xvfb=no
cleanup() {
  if [ $own_server = yes ] || [ $started_xvfb = yes ]; then
    "$root/tools/wine-prefix.sh" --stop "$build" || true
  fi
  if [ $started_xvfb = yes ]; then "$root/tools/xvfb.sh" stop "$build" || true; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  if ! "$root/tools/xvfb.sh" status "$build" >/dev/null; then started_xvfb=yes; fi
  DISPLAY=$("$root/tools/xvfb.sh" start "$build")
  export DISPLAY
fi
"$root/tools/wine-prefix.sh" "$build"

cd "$build"
status=0
ctest --output-on-failure --timeout "${VMTOOL_TEST_TIMEOUT:-300}" "$@" </dev/null || status=$?
exit $status
