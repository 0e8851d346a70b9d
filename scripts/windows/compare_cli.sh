#!/usr/bin/env bash
# The Windows program answers every query as the Linux program does, byte for byte (standard
# output, standard error and exit status), on every shipped database in both readings.
# Usage: scripts/windows/compare_cli.sh LINUX_VXCHECK WINDOWS_VXCHECK_EXE
# Runs from the project's root, under Wine (WINEPREFIX as the caller set it). The Windows runs go
# through one batch file per half of the cases, two at a time, since each Wine start is costly.
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
work=$(mktemp -d)
[ -n "${VXCHECK_KEEP_WORK:-}" ] || trap 'rm -rf "$work"' EXIT

cases=()
# What needs no database, then each database's names in both readings.
cases+=("keywords" "basic" "identifiers" "identifiers SOLUTION" "check Equilibrium_Phases"
  "check nothing" "tree" "--json identifiers" "--help" "--version" "nosuchcommand")
for db in data/databases/*.dat data/sample.dat; do
  for reading in "" "--phreeqc3 "; do
    # The lists that a read fills, and the searches over the species cache, in text and JSON.
    for query in master-species-comp aqueous-species phases "find surface --mode or O" \
      "--json find minerals --mode inc Ca C"; do
      cases+=("--db $db ${reading}${query}")
    done
  done
done
cases+=("--db data/databases/phreeqc.dat --db data/databases/wateq4f.dat phases"
  "--db data/databases/no_such.dat phases" "--db data/databases phases")

mkdir -p "$work/linux" "$work/windows"
for i in "${!cases[@]}"; do
  set +e
  # shellcheck disable=SC2086 # each case is a command line, split at blanks on purpose
  "$linux" ${cases[$i]} >"$work/linux/$i.out" 2>"$work/linux/$i.err"
  echo $? >"$work/linux/$i.rc"
  set -e
done

# Two batch files, run side by side: the even cases and the odd ones.
windows_path() { winepath -w "$1" 2>/dev/null; }
exe=$(windows_path "$windows")
root=$(windows_path "$PWD")
out=$(windows_path "$work/windows")
for half in 0 1; do
  {
    printf '@echo off\r\ncd /d %s\r\n' "$root"
    for i in "${!cases[@]}"; do
      [ $((i % 2)) -eq "$half" ] || continue
      printf '"%s" %s >"%s\\%s.out" 2>"%s\\%s.err"\r\n>"%s\\%s.rc" echo %%ERRORLEVEL%%\r\n' \
        "$exe" "${cases[$i]}" "$out" "$i" "$out" "$i" "$out" "$i"
    done
  } >"$work/half$half.bat"
done
# cmd ends with the status of the batch's last program; the .rc files hold every status.
wine cmd /c "$(windows_path "$work/half0.bat")" &
first=$!
wine cmd /c "$(windows_path "$work/half1.bat")" || true
wait "$first" || true

passed=0
failed=0
for i in "${!cases[@]}"; do
  # cmd's echo ends its line with a carriage return and may add a blank before it.
  tr -d '\r ' <"$work/windows/$i.rc" >"$work/windows/$i.status" 2>/dev/null || true
  if cmp -s "$work/linux/$i.out" "$work/windows/$i.out" &&
    cmp -s "$work/linux/$i.err" "$work/windows/$i.err" &&
    [ "$(cat "$work/linux/$i.rc")" = "$(cat "$work/windows/$i.status")" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "differs: vxcheck ${cases[$i]}"
    diff <(cat "$work/linux/$i.out" "$work/linux/$i.err") \
      <(cat "$work/windows/$i.out" "$work/windows/$i.err") | head -5 || true
  fi
done
echo "cli comparison: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
