#!/bin/sh
# The program itself without a display it can open: one line on stderr and a
# failure, never Qt's abort; with a display (offscreen, Xvfb) it starts.
# Usage: sin_pantalla.sh path/to/orvella
set -u

programa=$1
esperado='orvella: no display found; run it under X11 or Wayland, or try: xvfb-run -a orvella'
temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
export XDG_CONFIG_HOME="$temporal/config"
fallos=0

# No display: exit status 1 and exactly the one line.
sin_pantalla() {
    nombre=$1
    shift
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DISPLAY "$@" "$programa" >"$temporal/salida" 2>"$temporal/errores"
    estado=$?
    if [ "$estado" -ne 1 ] || [ "$(cat "$temporal/errores")" != "$esperado" ] || [ -s "$temporal/salida" ] ||
        [ "$(wc -l <"$temporal/errores")" -ne 1 ]; then
        echo "FAIL: $nombre: exit $estado, stderr:"
        cat "$temporal/errores"
        fallos=$((fallos + 1))
    else
        echo "ok: $nombre"
    fi
}

# A display that works: still running when stopped after a while.
arranca() {
    nombre=$1
    shift
    "$@" timeout 2 "$programa" >"$temporal/salida" 2>"$temporal/errores"
    estado=$?
    if [ "$estado" -ne 124 ]; then
        echo "FAIL: $nombre: exit $estado, stderr:"
        cat "$temporal/errores"
        fallos=$((fallos + 1))
    else
        echo "ok: $nombre"
    fi
}

if [ -e /tmp/.X11-unix/X9999 ]; then
    echo "display :9999 exists here; cannot test a display without a server"
    exit 77
fi
sin_pantalla "DISPLAY and WAYLAND_DISPLAY unset"
sin_pantalla "empty DISPLAY" DISPLAY=
sin_pantalla "DISPLAY with no server" DISPLAY=:9999
sin_pantalla "DISPLAY that is no display name" DISPLAY=nonsense
sin_pantalla "xcb asked for, DISPLAY with no server" DISPLAY=:9999 QT_QPA_PLATFORM=xcb
arranca "offscreen, DISPLAY with no server" env DISPLAY=:9999 QT_QPA_PLATFORM=offscreen
if command -v xvfb-run >/dev/null 2>&1; then
    arranca "a real X server" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run -a
fi
exit $fallos
