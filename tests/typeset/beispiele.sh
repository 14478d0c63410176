#!/bin/bash
# The two example documents of the README typeset as they stand: docs/beispiel-vkx.tex with
# latex and dvips, docs/beispiel-vkp.tex with pdflatex and with latex and dvips. The drawing
# holds a text with umlauts and a euro sign and a circle larger than LaTeX's own. Each page must
# show the drawing where the picture is; the same documents without their inputenc line (so
# reading UTF-8, LaTeX's default) must give the same pages from files written with --utf8.
set -euo pipefail
konverter=${1:?Aufruf: beispiele.sh KONVERTER}
hier=$(cd "$(dirname "$0")" && pwd)
docs=$(cd "$hier/../../docs" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"

fehlschlag() { echo "beispiele.sh: $*" >&2; exit 1; }
# 1.5 mm per unit at 200 dpi.
skala=$(python3 -c 'print(1.5 / 25.4 * 200)')

# The README shows the two documents as they are typeset here, line by line.
python3 - "$docs/../README.md" "$docs/beispiel-vkx.tex" "$docs/beispiel-vkp.tex" <<'PY' ||
import sys
readme = open(sys.argv[1], encoding="utf-8").read()
for pfad in sys.argv[2:]:
    zeilen = open(pfad, encoding="utf-8").read().splitlines(True)
    if "".join("    " + z if z.strip() else "\n" for z in zeilen) not in readme:
        sys.exit(f"README.md zeigt {pfad} nicht, wie es ist")
PY
    fehlschlag "README.md und docs/ gehen auseinander"

python3 "$hier/zeichnung.py" bild.vks --beispiel

# setzen ORDNER DOKUMENT latex|pdflatex: typesets ORDNER/DOKUMENT.tex and renders its page to
# ORDNER/seite.ppm, then cuts the drawing out to ORDNER/bild.ppm and keeps its origin.
setzen() {
    local ordner=$1 dok=$2 weg=$3
    (
        cd "$ordner"
        if [ "$weg" = pdflatex ]; then
            pdflatex -interaction=nonstopmode -halt-on-error "$dok.tex" >tex.log 2>&1 ||
                fehlschlag "pdflatex $ordner/$dok: $(tail -20 tex.log)"
            seite=$dok.pdf
        else
            latex -interaction=nonstopmode -halt-on-error "$dok.tex" >tex.log 2>&1 ||
                fehlschlag "latex $ordner/$dok: $(tail -20 tex.log)"
            dvips -q -o "$dok.ps" "$dok.dvi" 2>dvips.log || fehlschlag "dvips $ordner/$dok: $(cat dvips.log)"
            seite=$dok.ps
        fi
        if grep -q 'Missing character' "$dok.log"; then
            fehlschlag "$ordner/$dok: $(grep 'Missing character' "$dok.log" | head -3)"
        fi
        gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r200 -sOutputFile=seite.ppm "$seite" >gs.log 2>&1 ||
            fehlschlag "gs $ordner/$seite: $(cat gs.log)"
        python3 "$hier/ausschnitt.py" seite.ppm "$skala" bild.ppm >ursprung ||
            fehlschlag "$ordner/$dok: die Zeichnung ist nicht auf der Seite"
    )
    if [ -n "${VEKTRA_BILDER:-}" ]; then cp "$ordner/bild.ppm" "$VEKTRA_BILDER/beispiel-$ordner.ppm"; fi
}
pruefen() {
    local ordner=$1
    shift
    python3 "$hier/pixel.py" "$ordner/bild.ppm" "$skala" $(cat "$ordner/ursprung") "$@" ||
        fehlschlag "Pixelprüfung von $ordner fehlgeschlagen"
}
# The shapes both exports draw: lines in their colours, circles of every size, the large one
# where pict2e or PostScript puts it and not where LaTeX's largest circle would end.
formen=(farbe:duenn-rot:30,5:255,0,0 farbe:normal-gruen:30,10:0,255,0 farbe:dick-blau:30,15:0,0,255
    weiss:unsichtbar:30,20:3 farbe:kreis-rand:19,30:0,0,0:4 weiss:kreis-innen:15,30:4
    farbe:gefuellt-mitte:35,30:255,0,255
    farbe:gross-rechts:40,55:0,0,255:3 farbe:gross-links:20,55:0,0,255:3 farbe:gross-oben:30,65:0,0,255:3
    weiss:gross-innen:30,55:20 weiss:nicht-40pt:34.7,55:4)

mkdir vkx vkx-utf8 vkp vkp-ps vkp-utf8
cp "$docs/beispiel-vkx.tex" vkx/
cp "$docs/beispiel-vkp.tex" vkp/
cp "$docs/beispiel-vkp.tex" vkp-ps/
for ordner in vkx-utf8 vkp-utf8; do
    sed '/inputenc/d' "$docs/beispiel-${ordner%-utf8}.tex" >"$ordner/beispiel-${ordner%-utf8}.tex"
done
grep -q inputenc vkx-utf8/beispiel-vkx.tex vkp-utf8/beispiel-vkp.tex && fehlschlag "inputenc nicht entfernt"

"$konverter" bild.vks vkx/bild.vkx 2>meldungen || fehlschlag "Konverter: $(cat meldungen)"
"$konverter" --utf8 bild.vks vkx-utf8/bild.vkx 2>meldungen || fehlschlag "Konverter: $(cat meldungen)"
"$konverter" bild.vks vkp/bild.vkp 2>meldungen || fehlschlag "Konverter: $(cat meldungen)"
cp vkp/bild.vkp vkp/bild.ps vkp-ps/
"$konverter" --utf8 bild.vks vkp-utf8/bild.vkp 2>meldungen || fehlschlag "Konverter: $(cat meldungen)"

# The picture code: texts in their colours.
setzen vkx beispiel-vkx latex
pruefen vkx "${formen[@]}" tinte:text-hallo:40,23,10,4:255,0,0 tinte:text-x:5,25,3,4:0,0,0 \
    tinte:text-umlaute:5,44.5,14,4:0,0,0
setzen vkx-utf8 beispiel-vkx latex
python3 "$hier/vergleich.py" vkx/bild.ppm vkx-utf8/bild.ppm 1 0 vkx-utf8 || fehlschlag "--utf8 setzt die .vkx anders"

# The wrapper: texts in black by LaTeX, the graphic from the PDF or the PostScript file.
setzen vkp beispiel-vkp pdflatex
pruefen vkp "${formen[@]}" tinte:text-hallo:40,23,10,4:0,0,0 tinte:text-x:5,25,3,4:0,0,0 \
    tinte:text-umlaute:5,44.5,14,4:0,0,0
setzen vkp-ps beispiel-vkp latex
python3 "$hier/vergleich.py" vkp/bild.ppm vkp-ps/bild.ppm 2 0 vkp-ps || fehlschlag "pdflatex und latex/dvips setzen verschieden"
setzen vkp-utf8 beispiel-vkp pdflatex
python3 "$hier/vergleich.py" vkp/bild.ppm vkp-utf8/bild.ppm 1 0 vkp-utf8 || fehlschlag "--utf8 setzt die .vkp anders"

# Without --utf8 the texts stay cp1252, which a document reading UTF-8 rejects.
cp vkx/bild.vkx vkx-utf8/bild.vkx
if (cd vkx-utf8 && latex -interaction=nonstopmode -halt-on-error beispiel-vkx.tex >tex.log 2>&1); then
    fehlschlag "cp1252-Texte in einem UTF-8-Dokument ohne Fehler gesetzt"
fi
grep -q 'Invalid UTF-8' vkx-utf8/beispiel-vkx.log || fehlschlag "kein Hinweis auf ungültiges UTF-8"
echo "beispiele.sh: bestanden"
