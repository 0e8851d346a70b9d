#!/usr/bin/env bash
# Line and branch coverage of src/ by the unit tests of a build made with VXCHECK_COVERAGE=ON.
# Usage: scripts/coverage.sh BUILD_DIR [MINIMUM_LINE_PERCENT]
# Runs the unit tests (not the fuzz replays nor the memcheck runs), writes BUILD_DIR/coverage.txt
# (per file) and prints, as its last line, "line coverage: NN.N%". Exits non-zero below the minimum.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?usage: $0 BUILD_DIR [MINIMUM]}" && pwd)"
minimum="${2:-0}"

find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" --output-on-failure -j "${JOBS:-$(nproc)}" -LE 'fuzz|memcheck' >"$build/coverage-ctest.log" ||
  { cat "$build/coverage-ctest.log"; exit 1; }

# Branches that only exceptions take, or that the compiler proves unreachable, are not counted.
gcovr --root "$root" --filter "$root/src/" --object-directory "$build" \
  --exclude-throw-branches --exclude-unreachable-branches \
  --txt "$build/coverage.txt" --json-summary "$build/coverage.json" --print-summary >"$build/coverage-summary.txt"
branches="$(grep '^branches:' "$build/coverage-summary.txt")"
line="$(python3 -c 'import json,sys; print("%.1f" % json.load(open(sys.argv[1]))["line_percent"])' "$build/coverage.json")"

echo "report: $build/coverage.txt"
echo "$branches"
if python3 -c 'import sys; sys.exit(float(sys.argv[1]) >= float(sys.argv[2]))' "$line" "$minimum"; then
  echo "error: line coverage of src/ is below ${minimum}%" >&2
  echo "line coverage: ${line}%"
  exit 1
fi
echo "line coverage: ${line}%"
