#!/usr/bin/env bash
# Packs the extension for one platform with the server of an installed vxcheck:
#   package_vsix.sh TARGET PREFIX OUTPUT.vsix
# TARGET is a VS Code platform (linux-x64, win32-x64); PREFIX holds bin/vxcheck[.exe] and, on Linux,
# lib/ with the shared library it needs. PHREEQC's databases from data/databases go beside it.
# Exits 3 when the npm registry cannot be reached and the packages are not installed yet.
set -euo pipefail
target=$1
prefix=$(realpath "$2")
output=$(realpath -m "$3")
extension=$(realpath "$(dirname "$0")/..")
databases="$extension/../../data/databases"

"$extension/scripts/npm_ci.sh"

server="$extension/server"
rm -rf "$server"
mkdir -p "$server/bin" "$server/share/vxcheck/databases"
case $target in
  win32-*)
    cp -L "$prefix"/bin/*.exe "$prefix"/bin/*.dll "$server/bin/" ;;
  *)
    cp -L "$prefix/bin/vxcheck" "$server/bin/"
    mkdir -p "$server/lib"
    # Only the library the program names (its soname), so that each file is packed once.
    for soname in $(readelf -d "$prefix/bin/vxcheck" | sed -n 's/.*NEEDED.*\[\(libvxcheck[^]]*\)\].*/\1/p'); do
      cp -L "$prefix/lib/$soname" "$server/lib/"
    done ;;
esac
cp "$databases"/*.dat "$server/share/vxcheck/databases/"

mkdir -p "$(dirname "$output")"
cd "$extension"
npx vsce package --target "$target" --skip-license --allow-missing-repository --out "$output"
