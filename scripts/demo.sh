#!/usr/bin/env bash
# Shows vxcheck at work on a database: the keyword tree's groups, the identifiers of
# EQUILIBRIUM_PHASES, the minerals, and the minerals made only of Ca, C, O and H.
# usage: scripts/demo.sh VXCHECK DATABASE
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
