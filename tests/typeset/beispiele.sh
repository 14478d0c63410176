#!/bin/bash
# The two example documents of the README typeset as they stand: docs/beispiel-vkx.tex with
# latex and dvips, docs/beispiel-vkp.tex with pdflatex and with latex and dvips. The drawing
# holds a text with umlauts and a euro sign and a circle larger than LaTeX's own. Each page must
# show the drawing where the picture is; the same documents without their inputenc line (so
# reading UTF-8, LaTeX's default) must give the same pages from files written with --utf8.
. "$(dirname "$0")/gemeinsam.bash"
docs=$(cd "$hier/../../docs" && pwd)

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
# beispiel ORDNER DOKUMENT latex|pdflatex [--utf8]: the example document with a picture of the
# drawing in ORDNER; without inputenc for --utf8. Typesets it, cuts the drawing out to
# ORDNER/bild.ppm and keeps its origin in ORDNER/ursprung.
beispiel() {
    local ordner=$1 dok=$2 weg=$3 utf8=${4:-}
    mkdir "$ordner"
    sed "${utf8:+/inputenc/d}" "$docs/$dok.tex" >"$ordner/$dok.tex"
    konvertieren $utf8 bild.vks "$ordner/bild.${dok#beispiel-}"
    (
        cd "$ordner"
        setzen "$weg" "$dok.tex"
        pixel ausschnitt "$dok.ppm" "$skala" bild.ppm >ursprung || fehlschlag "$ordner/$dok: die Zeichnung ist nicht auf der Seite"
    )
}
pruefen() {
    local ordner=$1
    shift
    pixel pruefen "$ordner/bild.ppm" "$skala" $(cat "$ordner/ursprung") "${formen[@]}" "$@" \
        tinte:text-x:5,25,3,4:0,0,0 tinte:text-umlaute:5,44.5,14,4:0,0,0 farbe:gross-rechts:40,55:0,0,255:3 \
        farbe:gross-links:20,55:0,0,255:3 farbe:gross-oben:30,65:0,0,255:3 weiss:gross-innen:30,55:20 \
        weiss:nicht-40pt:34.7,55:4 || fehlschlag "Pixelprüfung von $ordner fehlgeschlagen"
}
# The large circle where pict2e or PostScript puts it, not where LaTeX's largest circle would end.
# The picture code sets the texts in their colours.
beispiel vkx beispiel-vkx latex
pruefen vkx tinte:text-hallo:40,23,10,4:255,0,0
beispiel vkx-utf8 beispiel-vkx latex --utf8
pixel vergleich vkx/bild.ppm vkx-utf8/bild.ppm 1 0 vkx-utf8 || fehlschlag "--utf8 setzt die .vkx anders"

# The wrapper: texts in black by LaTeX, the graphic from the PDF or the PostScript file.
beispiel vkp beispiel-vkp pdflatex
pruefen vkp tinte:text-hallo:40,23,10,4:0,0,0
beispiel vkp-ps beispiel-vkp latex
pixel vergleich vkp/bild.ppm vkp-ps/bild.ppm 2 0 vkp-ps || fehlschlag "pdflatex und latex/dvips setzen verschieden"
beispiel vkp-utf8 beispiel-vkp pdflatex --utf8
pixel vergleich vkp/bild.ppm vkp-utf8/bild.ppm 1 0 vkp-utf8 || fehlschlag "--utf8 setzt die .vkp anders"

# Without --utf8 the texts stay cp1252, which a document reading UTF-8 rejects.
cp vkx/bild.vkx vkx-utf8/bild.vkx
if (cd vkx-utf8 && latex -interaction=nonstopmode -halt-on-error beispiel-vkx.tex >satz.log 2>&1); then
    fehlschlag "cp1252-Texte in einem UTF-8-Dokument ohne Fehler gesetzt"
fi
grep -q 'Invalid UTF-8' vkx-utf8/beispiel-vkx.log || fehlschlag "kein Hinweis auf ungültiges UTF-8"
echo "beispiele.sh: bestanden"
