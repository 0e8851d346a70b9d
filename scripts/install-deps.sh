#!/usr/bin/env bash
# Installs the Debian packages that vxcheck needs, when they are missing.
# Usage: scripts/install-deps.sh run    what building the library and the program needs (make run)
#        scripts/install-deps.sh test   that, and what every test and quality check needs (make test)
#        scripts/install-deps.sh windows what the Windows build and its tests need (make windows,
#                                        make windows-test, make screenshot, make dist)
set -euo pipefail

# Building: the compiler and CMake; the language server's JSON library, built into the program.
run_packages=(cmake make g++ nlohmann-json3-dev)
# Testing: the unit tests and benchmarks, pkg-config for the package test; then the quality
# checks of `make test`: libFuzzer and the sanitizers (clang), coverage (gcovr), memcheck
# (valgrind) and the static checks; and Neovim and Emacs with eglot, the editors that test the
# language server.
test_packages=(pkgconf libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev gcovr
  valgrind cppcheck clang-tidy clang-format neovim emacs-nox elpa-eglot)

# Windows: the MinGW-w64 cross compiler with POSIX threads (std::thread and std::mutex), the
# GoogleTest sources to build for it, Wine to run what it makes, Xvfb and ImageMagick for the
# screenshot of a real window, zip and unzip for the release archive.
windows_packages=(cmake make ccache g++-mingw-w64-x86-64-posix mingw-w64-tools nlohmann-json3-dev
  googletest wine64 wine xvfb xauth imagemagick zip unzip)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  windows) packages=("${windows_packages[@]}") ;;
  *) echo "usage: $0 run|test|windows" >&2 && exit 2 ;;
esac

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
