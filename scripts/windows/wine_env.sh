# shellcheck shell=bash
# Sourced by the Windows scripts: Wine with its prefix in the Windows build folder, quiet, without
# the .NET and HTML runtimes that a first start would otherwise offer to install. Creates the prefix
# on first use (wineboot; its time is printed) and keeps one wineserver running for the caller.
# Needs WINDOWS_BUILD.
export WINEPREFIX="${WINEPREFIX:-$(realpath "$WINDOWS_BUILD")/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  start=$(date +%s)
  wineboot -i >/dev/null 2>&1
  wineserver -w
  echo "wine prefix $WINEPREFIX created in $(($(date +%s) - start)) s"
fi
wineserver -p 30 # stays up between the programs, then ends by itself
# Wine's services start with its first program and inherit that program's output: start them
# here, with nowhere to write, so that no pipe of the caller is held open by them.
wineboot </dev/null >/dev/null 2>&1
