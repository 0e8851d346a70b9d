#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest and passes on its output and exit status. The output
# goes through a file: Wine's own background processes (services, the desktop), started by the
# first program, inherit its handles and would hold a pipe open long after the program ended.
out=$(mktemp)
wine "$@" >"$out" 2>&1
status=$?
cat "$out"
rm -f "$out"
exit $status
