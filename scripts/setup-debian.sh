#!/usr/bin/env bash
# Installs what building and testing Orbidate needs on Debian 12, as root.
# Idempotent: packages already there are skipped, and apt is not even asked
# when nothing is missing.
set -euo pipefail

need=(cmake g++ make libgtest-dev libgmock-dev clang libclang-rt-14-dev
      g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth
      python3 python3-pefile fpc fpc-source-3.2.2)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

missing=()
for package in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
