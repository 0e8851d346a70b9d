#!/usr/bin/env bash
# The Windows build's tests under Wine: every test program of the build (ctest, in a virtual X
# display, since the tree-view tests create real windows), then the command line's answers against
# the Linux program's.
# Usage: scripts/windows/run_tests.sh WINDOWS_BUILD LINUX_VXCHECK
set -euo pipefail
WINDOWS_BUILD=$1
linux_vxcheck=$2
# shellcheck source=scripts/windows/wine_env.sh
source "$(dirname "$0")/wine_env.sh"

# One display for the whole run; the Wine session ends with it, so that no Wine process keeps a
# display that is gone.
# shellcheck disable=SC2016 # the inner script's variables are its own
xvfb-run -a bash -c '
  status=0
  ctest --test-dir "$1" --output-on-failure -j 2 || status=1
  ./scripts/windows/compare_cli.sh "$2" "$1/bin/vxcheck.exe" || status=1
  wineserver -k
  exit $status' _ "$WINDOWS_BUILD" "$linux_vxcheck"
