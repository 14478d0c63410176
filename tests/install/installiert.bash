# What the checks of installed programs share (install/installation.sh, paket/paket.sh), sourced
# by them with the build folder and the test data as their arguments: a work folder that goes at
# the end, and the installed converter and editor run from `bin`, which the script sets.
set -euo pipefail
skript=$(basename "$0")
fehlschlag() { echo "$skript: $*" >&2; exit 1; }
[ $# -eq 2 ] || fehlschlag "Aufruf: $skript BUILDORDNER TESTDATEN"
build=$1 daten=$2
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"

konvertieren() { "$bin/vektra32-convert" "$@" 2>konverter.log || fehlschlag "Konverter $*: $(cat konverter.log)"; }

# The installed editor opens the drawing and keeps running until it is stopped; its settings
# stay in the work folder.
editor_laeuft() {
    local ergebnis=0
    XDG_CONFIG_HOME=$arbeit/konfig QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        timeout 4 "$bin/vektra32" "$1" >editor.log 2>&1 || ergebnis=$?
    [ "$ergebnis" -eq 124 ] || fehlschlag "vektra32 endete mit $ergebnis: $(cat editor.log)"
}
