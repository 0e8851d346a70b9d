#!/usr/bin/env bash
# Installs the extension's npm packages with `npm ci`, exactly as package-lock.json pins them, unless
# node_modules already holds that lock's packages. Exits 3 when the npm registry cannot be reached.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v npm >/dev/null; then
  echo "npm: not found; the VS Code extension needs Node.js 20 and npm" >&2
  exit 1
fi
stamp=node_modules/.installed-lock.sha256
wanted=$(sha256sum package-lock.json | cut -d' ' -f1)
if [[ -f $stamp && $(cat "$stamp") == "$wanted" ]]; then
  exit 0
fi
registry=$(npm config get registry)
if ! timeout 30 npm ping >/dev/null 2>&1; then
  echo "npm: the registry $registry cannot be reached, so the extension's packages cannot be installed"
  exit 3
fi
# Install scripts are not needed to compile, test or pack the extension.
npm ci --ignore-scripts --no-audit --no-fund
echo "$wanted" >"$stamp"
