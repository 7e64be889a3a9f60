#!/bin/sh
# Installs the build into an empty folder, as a package would with prefix
# /usr, and checks what lands there: the program, its sound, its menu entry
# and software-centre entry (through their validators), its icons, its
# licence, changelog and manual page. Usage: instalacion.sh <build folder>
set -eu

construccion=$1
destino=$(mktemp -d)
trap 'rm -rf "$destino"' EXIT

DESTDIR=$destino cmake --install "$construccion" --prefix /usr >/dev/null
raiz=$destino/usr
fallos=0
falta() {
    echo "missing: $1"
    fallos=$((fallos + 1))
}

[ -x "$raiz/bin/orvella" ] || falta bin/orvella
# The program looks for its sound at bin/../share/orvella.
[ -s "$raiz/share/orvella/tada.wav" ] || falta share/orvella/tada.wav
escritorio=$raiz/share/applications/org.orvella.Orvella.desktop
metainfo=$raiz/share/metainfo/org.orvella.Orvella.metainfo.xml
[ -f "$escritorio" ] || falta "$escritorio"
[ -f "$metainfo" ] || falta "$metainfo"
[ -f "$raiz/share/icons/hicolor/scalable/apps/org.orvella.Orvella.svg" ] || falta "the scalable icon"
for lado in 16 22 24 32 48 64 128 256; do
    png=$raiz/share/icons/hicolor/${lado}x$lado/apps/org.orvella.Orvella.png
    if [ ! -f "$png" ]; then
        falta "$png"
    elif ! file "$png" | grep -q "PNG image data, $lado x $lado"; then
        echo "not a $lado x $lado picture: $png"
        fallos=$((fallos + 1))
    fi
done
[ -f "$raiz/share/doc/orvella/copyright" ] || falta share/doc/orvella/copyright
for comprimido in share/doc/orvella/changelog.gz share/man/man1/orvella.1.gz; do
    gzip -t "$raiz/$comprimido" 2>/dev/null || falta "$comprimido, compressed"
done
# Nothing else: no tests, benchmarks or tools.
otros=$(find "$destino" -type f | grep -v -E '/usr/(bin/orvella|share/(orvella|applications|metainfo|icons|doc/orvella)/|share/man/man1/orvella\.1\.gz$)' || true)
if [ -n "$otros" ]; then
    echo "installed but not part of the program:"
    echo "$otros"
    fallos=$((fallos + 1))
fi

desktop-file-validate "$escritorio" || fallos=$((fallos + 1))
grep -q '^Categories=Education;Science;Chemistry;$' "$escritorio" || falta "the categories of the menu entry"
grep -q '^Exec=orvella$' "$escritorio" || falta "Exec=orvella"
appstreamcli validate --no-net "$metainfo" || fallos=$((fallos + 1))

[ "$fallos" -eq 0 ]
