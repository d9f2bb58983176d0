#!/usr/bin/env bash
# Builds the plug-in and runs its demo: the small host loads Orbidate.nbp
# under Wine, headless, as the authoring host would, lists what the plug-in
# registers, then runs the sample scripts (the typical run, restyled
# calendars side by side, a range selection, the editors and the about box)
# with real mouse messages, printing every host call and writing screenshots
# to build/demo/.
# Installs what it needs first (Debian 12, root).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup-debian.sh
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" >/dev/null
}

echo "== building Orbidate.nbp (32-bit)"
build win32
arch=win32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  # This kernel runs no 32-bit processes: show the same sources built for
  # 64-bit Wine instead.
  echo "== 32-bit Wine cannot run here; running the 64-bit build of the same sources"
  build win64
  arch=win64
fi
ls -l "build/$arch/bin/Orbidate.nbp"

host="build/$arch/bin/orbidate_host.exe"
mkdir -p build/demo
out=$(cd build/demo && pwd)

echo "== the host loads the plug-in"
# The plug-in's texts are Windows-1251; show them in the terminal's UTF-8.
scripts/wine-run "$arch" "$host" --list | iconv -f CP1251 -t UTF-8

for sample in typical-run restyled range; do
  echo "== host/samples/$sample.txt"
  scripts/wine-run "$arch" "$host" --headless --out "Z:$out" "host/samples/$sample.txt" 2>/dev/null |
    grep -v -e '^Loaded' -e '^  title' -e '^  publisher' -e '^  hint' | iconv -f CP1251 -t UTF-8
done
# The editors and the about box, with the English translation beside a copy
# of the host (the plug-in reads Orbidate.loc beside the host's executable).
mkdir -p build/demo/english
cp "build/$arch/bin/orbidate_host.exe" "build/$arch/bin/Orbidate.nbp" loc/en/Orbidate.loc build/demo/english/
echo "== host/samples/editors.txt (English)"
scripts/wine-run "$arch" build/demo/english/orbidate_host.exe --headless --out "Z:$out" host/samples/editors.txt 2>/dev/null |
  grep -v -e '^Loaded' -e '^  title' -e '^  publisher' -e '^  hint' | iconv -f CP1251 -t UTF-8
echo "== screenshots"
ls -1 "$out"/*.png
