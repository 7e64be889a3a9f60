#!/usr/bin/env bash
# Start-up of the real program under Xvfb: the time from exec to the splash
# being mapped, the time to the periodic table being mapped, and the resident
# memory half a second after that. Prints the median of RUNS runs (5).
#
# Window maps are seen with xev on the root window (x11-utils); the clock is
# bash's $EPOCHREALTIME. Usage: bench/startup.sh [path to orvella]
set -euo pipefail

PROGRAMA=$(realpath "${1:-build/orvella}")
RUNS=${RUNS:-5}

if [ -z "${ORVELLA_BAJO_XVFB:-}" ]; then
    export ORVELLA_BAJO_XVFB=1
    exec xvfb-run -a -s "-screen 0 1400x900x24" "$0" "$PROGRAMA"
fi

trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT

mediana() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ms() { # milliseconds between two $EPOCHREALTIME stamps
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
}

: >"$trabajo/splash" >"$trabajo/tabla" >"$trabajo/rss"
for ((i = 1; i <= RUNS; i++)); do
    mkfifo "$trabajo/eventos"
    stdbuf -oL xev -root -event substructure >"$trabajo/eventos" 2>/dev/null &
    xev_pid=$!
    (while IFS= read -r linea; do
        case $linea in MapNotify*) echo "$EPOCHREALTIME" ;; esac
    done <"$trabajo/eventos" >"$trabajo/mapas") &
    lector_pid=$!
    sleep 0.3 # let xev select its events before the program starts

    inicio=$EPOCHREALTIME
    "$PROGRAMA" 2>/dev/null &
    programa_pid=$!

    # The splash is the first window mapped, the table the second.
    for ((espera = 0; espera < 100; espera++)); do
        [ "$(wc -l <"$trabajo/mapas")" -ge 2 ] && break
        sleep 0.1
    done
    sleep 0.5
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$programa_pid/status")
    kill "$programa_pid"
    wait "$programa_pid" 2>/dev/null || true
    kill "$xev_pid"
    wait "$lector_pid" 2>/dev/null || true
    rm -f "$trabajo/eventos"

    mapas=()
    mapfile -t mapas <"$trabajo/mapas"
    if [ "${#mapas[@]}" -lt 2 ]; then
        echo "run $i: the windows were not mapped" >&2
        exit 1
    fi
    ms "$inicio" "${mapas[0]}" >>"$trabajo/splash"
    ms "$inicio" "${mapas[1]}" >>"$trabajo/tabla"
    echo "$rss" >>"$trabajo/rss"
    echo "run $i: splash $(tail -1 "$trabajo/splash") ms, table $(tail -1 "$trabajo/tabla") ms, RSS $rss kB"
done

echo "median of $RUNS runs:"
echo "  exec -> splash mapped:      $(mediana <"$trabajo/splash") ms"
echo "  exec -> table mapped:       $(mediana <"$trabajo/tabla") ms"
echo "  resident memory after start: $(mediana <"$trabajo/rss") kB"
