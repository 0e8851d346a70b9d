#!/usr/bin/env bash
# Release archives of an installed tree, each tested by unpacking it into a fresh folder and
# running the program found there (the Windows one under Wine) against a named database.
# Usage: scripts/dist.sh linux|windows INSTALL_PREFIX OUTPUT_FOLDER [WINDOWS_BUILD]
set -euo pipefail
system=$1
prefix=$(realpath "$2")
mkdir -p "$3"
out=$(realpath "$3")

if [ "$system" = windows ]; then
  WINDOWS_BUILD=$4
  # shellcheck source=scripts/windows/wine_env.sh
  source "$(dirname "$0")/windows/wine_env.sh"
  run() { wine "$1/bin/vxcheck.exe" "${@:2}"; }
else
  run() { "$1/bin/vxcheck" "${@:2}"; }
fi

version=$(run "$prefix" --version | tr -d '\r' | awk '{print $2}')
name=vxcheck-$version-$system-x86_64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -a "$prefix" "$stage/$name"
# The help as text beside the man page, for systems without man.
run "$prefix" --help >"$stage/$name/share/doc-help.txt"
mkdir -p "$stage/$name/share/doc/vxcheck"
mv "$stage/$name/share/doc-help.txt" "$stage/$name/share/doc/vxcheck/vxcheck.txt"
cp README.md docs/cli.md docs/lsp.md "$stage/$name/share/doc/vxcheck/"

if [ "$system" = windows ]; then
  archive=$out/$name.zip
  rm -f "$archive"
  (cd "$stage" && zip -qr "$archive" "$name")
else
  archive=$out/$name.tar.gz
  tar -C "$stage" -czf "$archive" "$name"
fi

# The test: unpack into a fresh folder and ask the program there for a database by bare name,
# which it finds among the databases that came with it.
fresh=$(mktemp -d)
trap 'rm -rf "$stage" "$fresh"' EXIT
if [ "$system" = windows ]; then
  (cd "$fresh" && unzip -q "$archive")
else
  tar -C "$fresh" -xzf "$archive"
fi
for file in include/vxcheck/vxcheck.h lib/cmake/vxcheck/vxcheck-config.cmake \
  share/vxcheck/databases/phreeqc.dat share/man/man1/vxcheck.1 share/doc/vxcheck/vxcheck.txt; do
  [ -f "$fresh/$name/$file" ] || { echo "dist: $file missing from $archive" >&2; exit 1; }
done
expected=$(run "$prefix" --db llnl.dat --phreeqc3 phases | md5sum)
got=$(cd "$fresh" && run "$fresh/$name" --db llnl.dat --phreeqc3 phases | md5sum)
count=$(cd "$fresh" && run "$fresh/$name" --db llnl.dat --phreeqc3 phases | wc -l)
if [ "$got" != "$expected" ] || [ "$count" -lt 1000 ]; then
  echo "dist: the unpacked program of $archive answers otherwise ($count phases)" >&2
  exit 1
fi
echo "wrote $archive: unpacked, the program finds llnl.dat's $count phases"
