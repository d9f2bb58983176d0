#!/usr/bin/env bash
# Builds the Free Pascal cross compilers the ABI probe (tests/fpc) is compiled
# with, from Debian's fpc-source with the installed native fpc: i386-win32 (the
# product's architecture) and x86_64-win64 (so that the probe also runs under
# the 64-bit Wine of this machine), each with the few RTL units a console
# program needs (system, objpas, the start-up unit, fpintres).
#
# The result lives in build/fpc/ and is rebuilt only when this script or the
# native compiler or the source package changes (build/fpc/stamp). Output: one line when it builds,
# nothing when it is up to date; the compiler logs go to build/fpc/build.log.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${ORBIDATE_FPC_DIR:-$here/../build/fpc}
source_root=${ORBIDATE_FPC_SOURCE:-/usr/share/fpcsrc/3.2.2}

native=$(command -v ppcx64 || true)
if [ -z "$native" ] || [ ! -f "$source_root/compiler/pp.pas" ]; then
  echo "build-fpc-cross: needs the native compiler ppcx64 and $source_root (packages fpc, fpc-source-3.2.2)" >&2
  exit 1
fi
stamp="$(sha256sum "${BASH_SOURCE[0]}" | cut -d' ' -f1) $("$native" -iW) $(dpkg-query -W -f='${Version}' fpc-source-3.2.2 2>/dev/null || true)"

mkdir -p "$out"
out=$(cd "$out" && pwd)
exec 9>"$out/.lock"
flock 9
if [ -f "$out/stamp" ] && [ "$(cat "$out/stamp")" = "$stamp" ] \
   && [ -x "$out/bin/ppcross386" ] && [ -x "$out/bin/ppcrossx64" ]; then
  exit 0
fi

echo "build-fpc-cross: building the i386-win32 and x86_64-win64 cross compilers in ${out#"$PWD/"}"
work=$(mktemp -d "$out/.work.XXXXXX")
trap 'rm -rf "$work"' EXIT
log=$out/build.log
: >"$log"
run() {
  if ! "$@" >>"${target_log:-$log}" 2>&1; then
    echo "build-fpc-cross: failed: $*" >&2
    tail -n 20 "${target_log:-$log}" >&2
    exit 1
  fi
}

compiler=$source_root/compiler
rtl=$source_root/rtl

# The compiler's message texts are generated from its message file, which
# Debian ships with the compiler rather than with the source.
msgfile=$compiler/msg/errore.msg
[ -f "$msgfile" ] || msgfile=$(ls /usr/lib/*/fpc/"$("$native" -iV)"/msg/errore.msg 2>/dev/null | head -n1)
if [ ! -f "$msgfile" ]; then
  echo "build-fpc-cross: cannot find the compiler's message file errore.msg" >&2
  exit 1
fi
mkdir -p "$work/msg"
run "$native" -v0 -FE"$work/msg" -FU"$work/msg" "$compiler/utils/msg2inc.pp"
(cd "$work/msg" && run ./msg2inc "$msgfile" msg msg)

mkdir -p "$work/bin"
# build_target compiler-name cpu target rtl-folder
build_target() {
  local name=$1 cpu=$2 target=$3 os=$4
  local units=$work/units/$cpu-$target
  mkdir -p "$work/compiler-$cpu" "$units"
  run "$native" -v0 -Ur -Xs -O2 -dRELEASE -dGDB -dBROWSERLOG -d"$cpu" \
    -Fi"$work/msg" -Fu"$compiler" -Fi"$compiler" -Fu"$compiler/$cpu" -Fi"$compiler/$cpu" \
    -Fu"$compiler/x86" -Fi"$compiler/x86" -Fu"$compiler/systems" -Fi"$compiler/systems" \
    -FU"$work/compiler-$cpu" -FE"$work/bin" -o"$name" "$compiler/pp.pas"
  local cross=("$work/bin/$name" -n -v0 -T"$target" -P"$cpu" -O2 -FU"$units" -Fu"$units"
               -Fi"$rtl/inc" -Fi"$rtl/$cpu" -Fi"$rtl/x86" -Fi"$rtl/win" -Fi"$rtl/$os" -Fi"$rtl/objpas")
  run "${cross[@]}" -Us -Sg "$rtl/$os/system.pp"
  local startup=$rtl/$os/sysinitpas.pp
  [ -f "$startup" ] || startup=$rtl/$os/sysinit.pp
  run "${cross[@]}" "$startup"
  run "${cross[@]}" "$rtl/objpas/objpas.pp"
  run "${cross[@]}" "$rtl/inc/fpintres.pp"
}
# The two compilers build side by side, each logging to a file of its own.
target_log=$work/i386.log build_target ppcross386 i386 win32 win32 &
first=$!
target_log=$work/x86_64.log build_target ppcrossx64 x86_64 win64 win64 &
second=$!
status=0
wait "$first" || status=1
wait "$second" || status=1
cat "$work/i386.log" "$work/x86_64.log" >>"$log"
[ "$status" = 0 ] || exit 1

rm -rf "$out/bin" "$out/units"
mv "$work/bin" "$out/bin"
rm -f "$out/bin/"*.o "$out/bin/"*.ppu
mv "$work/units" "$out/units"
echo "$stamp" >"$out/stamp"
