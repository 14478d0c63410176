# What the typesetting scripts share, sourced by them: the converter given as their argument, the
# test data, a work folder that goes at the end, checks that fail at once or are noted, and
# typesetting a document into a rendered page.
set -euo pipefail
skript=$(basename "$0")
konverter=${1:?Aufruf: $skript KONVERTER}
hier=$(cd "$(dirname "$0")" && pwd)
daten=$hier/../data docs=$hier/../../docs
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

fehlschlag() { echo "$skript: $*" >&2; exit 1; }
# A failed pixel check is noted and the other checks still run; ende fails the script then.
nicht() { echo "$skript: $*" >&2; falsch=$((${falsch:-0} + 1)); }
ende() {
    [ -z "${falsch:-}" ] || fehlschlag "$falsch Prüfungen fehlgeschlagen"
    echo "$skript: bestanden"
}
konvertieren() { "$konverter" "$@" 2>meldungen || fehlschlag "Konverter $*: $(cat meldungen)"; }
pixel() { python3 "$hier/pixel.py" "$@"; }
ordner() { mkdir "$arbeit/$1" && cd "$arbeit/$1"; }

# setzen ENGINE DOK.tex [DPI]: typesets DOK.tex, with dvips after latex, and renders DOK.ppm.
setzen() {
    local weg=$1 dok=${2%.tex} seite=${2%.tex}.pdf
    "$weg" -interaction=nonstopmode -halt-on-error "$dok.tex" >satz.log 2>&1 || fehlschlag "$weg $dok: $(tail -20 satz.log)"
    if [ "$weg" = latex ]; then
        seite=$dok.ps && dvips -q -o "$seite" "$dok.dvi" 2>dvips.log || fehlschlag "dvips: $(cat dvips.log)"
    fi
    if grep -q 'Missing character' "$dok.log"; then fehlschlag "$weg $dok: $(grep 'Missing character' "$dok.log" | head -3)"; fi
    rendern "$dok.ppm" "-r${3:-200}" "$seite"
}
# rendern ZIEL.ppm GS-ARGUMENT...; VEKTRA_BILDER names a folder to keep the pages in.
rendern() {
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -sOutputFile="$1" "${@:2}" >gs.log 2>&1 || fehlschlag "gs ${*:2}: $(cat gs.log)"
    if [ -n "${VEKTRA_BILDER:-}" ]; then cp "$1" "$VEKTRA_BILDER/$(basename "$PWD")-$1"; fi
}
