#!/usr/bin/env bash
# Runs every test: the portable core natively and under the sanitizers, the
# Windows builds with their Wine tests, the checks of the built plug-in file
# and the Free Pascal probe. Installs what it needs first (Debian 12, root).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup-debian.sh
scripts/build-fpc-cross.sh

# One headless display for every Windows test.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

run_preset() {
  echo "== $1"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
  ctest --preset "$1"
}

run_preset native
run_preset native-sanitize
run_preset win32
run_preset win64
