#!/usr/bin/env bash
# A picture of the keyword tree in a real window: examples/keyword_tree_window runs under Wine, in
# a Wine desktop inside a virtual X display, and ImageMagick's import takes the screen.
# Usage: scripts/windows/screenshot.sh WINDOWS_BUILD OUTPUT.png
set -euo pipefail
WINDOWS_BUILD=$1
output=$(realpath -m "$2")
# shellcheck source=scripts/windows/wine_env.sh
source "$(dirname "$0")/wine_env.sh"
program=$(realpath "$WINDOWS_BUILD/bin/keyword_tree_window.exe")

# Inside the display: the program in a 480x580 Wine desktop, closing itself after 12 seconds; the
# picture is taken once the window has been drawn.
# shellcheck disable=SC2016 # the inner script's variables are its own
xvfb-run -a -s "-screen 0 480x580x24" bash -c '
  wine explorer /desktop=vxcheck,480x580 "$1" 12 &
  sleep 8
  import -window root "$2"
  wait
  wineserver -k' _ "$program" "$output"
echo "wrote $output"
