#!/usr/bin/env bash
# Start-up of the real program under Xvfb, measured in the same run against a
# floor: orvella_suelo, a bare Qt program that shows 118 coloured labels.
#
# For each of RUNS rounds (5), both programs are started in turn. For the
# floor: exec to its window mapped, and its resident memory half a second
# later. For orvella: exec to the splash mapped, exec to the periodic table
# mapped, and the resident memory half a second after the table. Prints the
# medians and orvella's ratios to the floor.
#
# Window maps are seen with xev on the root window (x11-utils); the clock is
# bash's $EPOCHREALTIME. Usage: bench/startup.sh [build folder]
set -euo pipefail

CARPETA=$(realpath "${1:-build}")
RUNS=${RUNS:-5}

if [ -z "${ORVELLA_BAJO_XVFB:-}" ]; then
    export ORVELLA_BAJO_XVFB=1
    exec xvfb-run -a -s "-screen 0 1400x900x24" "$0" "$CARPETA"
fi

trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT

mediana() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ms() { # milliseconds between two $EPOCHREALTIME stamps
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
}

# medir <program> <maps to wait for> <prefix>: appends the time of each map
# to <prefix>.mapN and the resident memory after the last one to <prefix>.rss.
medir() {
    local programa=$1 mapas_esperados=$2 prefijo=$3
    rm -f "$trabajo/eventos"
    mkfifo "$trabajo/eventos"
    stdbuf -oL xev -root -event substructure >"$trabajo/eventos" 2>/dev/null &
    local xev_pid=$!
    (while IFS= read -r linea; do
        case $linea in MapNotify*) echo "$EPOCHREALTIME" ;; esac
    done <"$trabajo/eventos" >"$trabajo/mapas") &
    local lector_pid=$!
    sleep 0.3 # let xev select its events before the program starts

    local inicio=$EPOCHREALTIME
    "$programa" 2>/dev/null &
    local programa_pid=$!
    for ((espera = 0; espera < 100; espera++)); do
        [ "$(wc -l <"$trabajo/mapas")" -ge "$mapas_esperados" ] && break
        sleep 0.1
    done
    sleep 0.5
    awk '/^VmRSS:/ { print $2 }' "/proc/$programa_pid/status" >>"$prefijo.rss"
    kill "$programa_pid"
    wait "$programa_pid" 2>/dev/null || true
    kill "$xev_pid"
    wait "$lector_pid" 2>/dev/null || true

    local mapas=()
    mapfile -t mapas <"$trabajo/mapas"
    if [ "${#mapas[@]}" -lt "$mapas_esperados" ]; then
        echo "$programa: the windows were not mapped" >&2
        exit 1
    fi
    for ((n = 0; n < mapas_esperados; n++)); do
        ms "$inicio" "${mapas[$n]}" >>"$prefijo.map$n"
    done
}

for ((i = 1; i <= RUNS; i++)); do
    medir "$CARPETA/bench/orvella_suelo" 1 "$trabajo/suelo"
    medir "$CARPETA/orvella" 2 "$trabajo/orvella"
    echo "run $i: floor $(tail -1 "$trabajo/suelo.map0") ms $(tail -1 "$trabajo/suelo.rss") kB;" \
        "orvella splash $(tail -1 "$trabajo/orvella.map0") ms, table $(tail -1 "$trabajo/orvella.map1") ms" \
        "$(tail -1 "$trabajo/orvella.rss") kB"
done

suelo_mapa=$(mediana <"$trabajo/suelo.map0")
suelo_rss=$(mediana <"$trabajo/suelo.rss")
splash=$(mediana <"$trabajo/orvella.map0")
tabla=$(mediana <"$trabajo/orvella.map1")
rss=$(mediana <"$trabajo/orvella.rss")
razon() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f\n", a / b }'; }

echo "median of $RUNS runs:"
echo "  floor: exec -> window mapped:        $suelo_mapa ms, resident memory $suelo_rss kB"
echo "  orvella: exec -> splash mapped:      $splash ms ($(razon "$splash" "$suelo_mapa")x the floor)"
echo "  orvella: exec -> table mapped:       $tabla ms"
echo "  orvella: resident memory with table: $rss kB ($(razon "$rss" "$suelo_rss")x the floor)"
