#!/usr/bin/env bash
# Shows vxcheck at work on a database: the keyword tree's groups, the identifiers of
# EQUILIBRIUM_PHASES, the minerals, and the minerals made only of Ca, C, O and H; then lint on
# data/sample.pqi, an input with two mistakes, whose DATABASE line names sample.dat.
# usage: scripts/demo.sh VXCHECK DATABASE   (from the project's folder)
set -euo pipefail
vxcheck=$1
db=$2

# Prints a command line, then runs it.
run() {
  printf '\n$ vxcheck %s\n' "$*"
  "$vxcheck" "$@"
}

printf '$ vxcheck tree   (the group lines)\n'
"$vxcheck" tree | grep '^  [^ ]'
run identifiers EQUILIBRIUM_PHASES
run --db "$db" minerals
run --db "$db" find minerals --mode inc Ca C
run --db "$db" --json find aqueous Ca

# lint exits with 1 when it finds an error, as it does here.
lint() {
  printf '\n$ vxcheck %s\n' "$*"
  "$vxcheck" "$@" || printf '(exit status %d)\n' "$?"
}
lint lint data/sample.pqi
lint lint --json data/sample.pqi
