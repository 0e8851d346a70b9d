#!/usr/bin/env bash
# Static checks of the sources: formatting (clang-format), clang-tidy (.clang-tidy) and cppcheck.
# Usage: scripts/static-checks.sh BUILD_DIR   (a configured build with compile_commands.json)
# Prints each finding and exits non-zero when any check finds something.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"
jobs="${JOBS:-$(nproc)}"
status=0

cd "$root"
mapfile -t sources < <(find include src tools tests fuzz bench -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}" || status=1

echo "clang-tidy: src/, tools/ and fuzz/"
run-clang-tidy -quiet -j "$jobs" -p "$build" "^$root/(src|tools|fuzz)/" >"$build/clang-tidy.log" 2>&1 || {
  grep -E -A3 'error:|warning:' "$build/clang-tidy.log"
  status=1
}

# passedByValue: the public classes take every string and list by value, as hosts call them (.clang-tidy).
# useStlAlgorithm: a plain loop over a table or a node's children reads as well as an algorithm.
echo "cppcheck: src/, tools/ and fuzz/"
cppcheck --project="$build/compile_commands.json" --file-filter="$root/src/*" --file-filter="$root/tools/*" \
  --file-filter="$root/fuzz/*" --enable=warning,style,performance,portability --std=c++20 \
  --inline-suppr --suppress=missingIncludeSystem --suppress=passedByValue \
  --suppress=useStlAlgorithm --error-exitcode=1 --quiet -j "$jobs" || status=1

[ "$status" -eq 0 ] && echo "static checks: clean" || echo "static checks: findings above" >&2
exit "$status"
