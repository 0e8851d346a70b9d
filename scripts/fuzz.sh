#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time, from a seed corpus made here from the
# databases and examples that the project ships and the inputs of the lint tests (never kept as
# seeds in the repository).
# Usage: scripts/fuzz.sh FUZZ_BUILD_DIR SECONDS [TARGET...]   (TARGET as in fuzz/: word_list, ...)
# An input that makes a target fail is copied into fuzz/regressions/TARGET/, where the replay
# tests of `make test` pick it up; the script then exits non-zero.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?usage: $0 FUZZ_BUILD_DIR SECONDS [TARGET...]}" && pwd)"
seconds="${2:?usage: $0 FUZZ_BUILD_DIR SECONDS [TARGET...]}"
shift 2
data="${VXCHECK_DATA_DIR:-$root/data}"
work="$build/fuzz-work"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/fuzz/*_fuzzer; do
    targets+=("$(basename "${program%_fuzzer}")")
  done
fi

# Seeds: every database, example and lint test input cut into pieces of at most LINES lines, each piece that starts
# inside a block beginning with the line of the block's keyword, so that each reads as a small
# database. A keyword line is one upper-case word alone on its line.
make_seeds() {
  local seeds="$1" most="$2"
  rm -rf "$seeds" && mkdir -p "$seeds"
  for file in "$data"/databases/*.dat "$data"/examples/*.pqi "$root"/tests/data/*/*.pqi; do
    awk -v out="$seeds/$(basename "$file")" -v most="$most" '
      function start() { close(name); name = sprintf("%s.%04d", out, ++piece); lines = 0 }
      BEGIN { start() }
      /^[A-Z][A-Z0-9_]*[ \t]*$/ { if (lines > 0) start(); keyword = $0 }
      { if (lines >= most) { start(); if (keyword != "") print keyword > name }
        print > name; lines++ }' "$file"
  done
}

# Seeds of the command line: the example command lines of docs/cli.md, one argument a line, and
# for every database a search in its beginning, read as input.dat.
make_cli_seeds() {
  local seeds="$1" count=0
  rm -rf "$seeds" && mkdir -p "$seeds"
  while read -r line; do
    count=$((count + 1))
    # shellcheck disable=SC2086 # one argument a line
    printf '%s\n' ${line//data\/sample.dat/sample.dat} >"$seeds/command.$count"
  done < <(sed -n 's/^\$ vxcheck \([^|]*\).*/\1/p' "$root/docs/cli.md")
  for file in "$data"/databases/*.dat; do
    { printf -- '--db\ninput.dat\n--json\nfind\naqueous\n--mode\nand\nCa\nC\n\n'; head -n 200 "$file"; } \
      >"$seeds/$(basename "$file")"
  done
}

status=0
for target in "${targets[@]}"; do
  # A database input costs a whole checker, whatever its length, so it takes longer pieces and
  # fewer of them; the other targets' checks cost more the longer the input.
  case "$target" in
    database) max_len=16384 lines=250 ;;
    *) max_len=2048 lines=30 ;;
  esac
  program="$build/fuzz/${target}_fuzzer"
  corpus="$work/$target/corpus"
  artifacts="$work/$target/artifacts/"
  mkdir -p "$corpus" "$artifacts"
  if [ "$target" = cli ]; then
    make_cli_seeds "$work/$target/seeds"
  else
    make_seeds "$work/$target/seeds" "$lines"
  fi
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts" -timeout=10
    -rss_limit_mb=4096 -max_len="$max_len")
  [ -f "$root/fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
  log="$work/$target/fuzz.log"
  echo "fuzzing $target for ${seconds}s"
  if ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=64 UBSAN_OPTIONS=print_stacktrace=1 \
    "$program" "${options[@]}" "$corpus" "$work/$target/seeds" >"$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    echo "$target: ${runs} runs, ${speed} exec/s, nothing found"
  else
    tail -n 60 "$log"
    mkdir -p "$root/fuzz/regressions/$target"
    for input in "$artifacts"*; do
      [ -f "$input" ] || continue
      cp "$input" "$root/fuzz/regressions/$target/"
      echo "$target: fault; input kept as fuzz/regressions/$target/$(basename "$input")" >&2
    done
    status=1
  fi
done
exit "$status"
