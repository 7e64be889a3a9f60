#!/bin/sh
# The layers: core < platform < widgets < the window folders < shell. Each
# folder includes only from its own layer and the ones below it; no window
# folder includes another. Prints every include that breaks this.
set -u
raiz=${1:-$(dirname "$0")/..}
cd "$raiz" || exit 2
fallos=0
for carpeta in */; do
    carpeta=${carpeta%/}
    case $carpeta in
    core) permitidas="core" ;;
    platform) permitidas="core platform" ;;
    widgets) permitidas="core platform widgets" ;;
    shell | tests | bench | fuzz | tools | assets | scripts | docs | build*) continue ;;
    *) permitidas="core platform widgets $carpeta" ;;
    esac
    for linea in $(grep -rnoE '^#include "[^/"]+/' "$carpeta" --include='*.h' --include='*.cpp' | tr -d ' '); do
        incluida=${linea##*\"}
        incluida=${incluida%/}
        case " $permitidas " in
        *" $incluida "*) ;;
        *) echo "${linea%%:#include*}: $carpeta/ may not include $incluida/" && fallos=1 ;;
        esac
    done
done
exit $fallos
