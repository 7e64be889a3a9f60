#!/bin/sh
# Makes the Debian package of the build into an empty folder, as
# `make package` does, and runs lintian on it: any error (E:) or warning (W:)
# fails. Skipped (77) where lintian is not installed.
# Usage: paquete.sh <build folder>
set -eu

construccion=$1
command -v lintian >/dev/null 2>&1 || exit 77
destino=$(mktemp -d)
trap 'rm -rf "$destino"' EXIT

cpack -G DEB --config "$construccion/CPackConfig.cmake" -B "$destino" >"$destino/cpack.log" 2>&1 ||
    { cat "$destino/cpack.log"; exit 1; }
paquete=$(find "$destino" -maxdepth 1 -name 'orvella_*.deb')
[ -n "$paquete" ] || { echo "no package made"; cat "$destino/cpack.log"; exit 1; }
informe=$(lintian "$paquete" 2>&1 || true)
echo "$informe"
! echo "$informe" | grep -q '^[EW]: '
