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

xvfb-run -a ctest --test-dir "$WINDOWS_BUILD" --output-on-failure -j 2 -LE heavy
./scripts/windows/compare_cli.sh "$linux_vxcheck" "$WINDOWS_BUILD/bin/vxcheck.exe"
