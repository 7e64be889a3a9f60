#!/bin/sh
# Starts Orvella under a virtual display with accessibility on, opens the
# molar calculator from the menu and prints what a screen reader finds in it
# and in the periodic table. Needs xvfb, dbus and at-spi2-core,
# python3-pyatspi. Not part of make test.
#   tools/accesibilidad/volcar.sh [build/orvella] [arbol.py options...]
set -eu
aqui=$(cd "$(dirname "$0")" && pwd)
programa=${1:-build/orvella}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] || set -- --abrir "Calculadora molar" " Orvella" "Calculadora molar"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
exec xvfb-run -a -s "-screen 0 1400x900x24" dbus-run-session -- sh -c '
  programa=$1; arbol=$2; shift 2
  "$programa" 2>/dev/null &
  pid=$!
  # The splash hands over to the periodic table after 1.4 s.
  sleep 4
  # The system Python: pyatspi comes as a Debian package.
  /usr/bin/python3 "$arbol" "$@"
  estado=$?
  kill "$pid"
  exit $estado
' volcar "$programa" "$aqui/arbol.py" "$@"
