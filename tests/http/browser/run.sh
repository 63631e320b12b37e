#!/usr/bin/env bash
# Installs playwright-core into the build folder (once) and runs the browser test of the web
# remote, or the test given. Skips (77) where Chromium or Node.js is missing.
# Usage: run.sh INSTALL_DIR [TEST_SCRIPT]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
home="$1"
if [ ! -x /usr/bin/chromium ] || ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "browser test skipped: needs /usr/bin/chromium, node and npm (scripts/install-deps.sh)"
  exit 77
fi
mkdir -p "$home"
if [ ! -d "$home/node_modules/playwright-core" ]; then
  cp "$here/package.json" "$home/package.json"
  (cd "$home" && npm install --no-audit --no-fund --no-package-lock --silent)
fi
export PLAYWRIGHT_HOME="$home"
exec node "${2:-$here/remote.test.mjs}"
