#!/usr/bin/env bash
# Installs the Debian packages that building and testing vxcheck needs, when they are missing.
set -euo pipefail

# Build and unit tests; then the quality checks of `make test`: libFuzzer and the sanitizers
# (clang), coverage (gcovr), memcheck (valgrind) and the static checks; the language server's
# JSON library and Neovim, the editor that tests it.
packages=(cmake make g++ pkgconf libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev gcovr valgrind cppcheck clang-tidy clang-format nlohmann-json3-dev
  neovim)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "error: missing packages (${missing[*]}); run as root or install them" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
