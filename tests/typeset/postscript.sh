#!/bin/bash
# The PostScript export checked for real: a coloured drawing goes through the converter into a
# ".vkp" wrapper and its ".ps" graphic. Ghostscript renders the graphic alone; latex and dvips
# typeset the wrapper, which places the graphic and sets the texts. The pixels must show the
# lines, circles, filled arrowhead and texts at their places, in their colours and widths.
set -euo pipefail
konverter=${1:?Aufruf: postscript.sh KONVERTER}
hier=$(cd "$(dirname "$0")" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"

fehlschlag() { echo "postscript.sh: $*" >&2; exit 1; }
pruefen() { python3 "$hier/pixel.py" "$@"; }

python3 "$hier/zeichnung.py" bild.vks
mkdir aus
"$konverter" bild.vks aus/bild.vkp 2>meldungen || fehlschlag "Konverter: $(cat meldungen)"
[ -f aus/bild.ps ] || fehlschlag "aus/bild.ps fehlt neben aus/bild.vkp"
grep -q 'psfile=bild.ps}' aus/bild.vkp || fehlschlag "psfile nennt nicht den bloßen Dateinamen"

# 1.5 mm per unit (k = 1.5 * 72 / 25.4 points) at 200 dpi.
skala=$(python3 -c 'print(1.5 / 25.4 * 200)')

# The graphic alone, its origin at the bottom left of a 90 x 65 mm page. It has no page output
# of its own: it is meant to be placed by the wrapper.
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r200 -dDEVICEWIDTHPOINTS=255 -dDEVICEHEIGHTPOINTS=184 \
    -dFIXEDMEDIA -sOutputFile=ps.ppm aus/bild.ps -c showpage >gs.log 2>&1 || fehlschlag "gs: $(cat gs.log)"
y0=$(python3 -c "print(round(184 / 72 * 200))")
pruefen ps.ppm "$skala" 0 "$y0" \
    farbe:duenn-rot:30,5:255,0,0 weiss:duenn-schmal:30,5.6:1 \
    farbe:normal-gruen:30,10:0,255,0 \
    farbe:dick-blau:30,15:0,0,255 farbe:dick-breit-oben:30,15.3:0,0,255:0 farbe:dick-breit-unten:30,14.7:0,0,255:0 \
    weiss:unsichtbar:30,20:3 \
    farbe:kreis-rand:19,30:0,0,0 farbe:kreis-rand-oben:15,34:0,0,0 weiss:kreis-innen:15,30:4 \
    farbe:gefuellt-mitte:35,30:255,0,255 farbe:gefuellt-rand:37.7,30:255,0,255 weiss:gefuellt-aussen:38.6,30:1 \
    farbe:pfeilschaft:47,35:0,0,0 farbe:spitze-gefuellt:53,35.4:0,0,0:0 farbe:spitze-gefuellt-unten:53,34.6:0,0,0:0 \
    weiss:keine-texte:45,25:8 weiss:kein-x:6,26:6 \
    weiss:unsichtbarer-kreis:26,22:2 weiss:geloescht:30,38:3 ||
    fehlschlag "Pixelprüfung der PostScript-Datei fehlgeschlagen"

# The wrapper in a document: the graphic through psfile, the texts by LaTeX, uncoloured.
cat > aus/dok.tex <<'TEX'
\documentclass{article}
\usepackage{graphicx}
\usepackage{ifpdf}
\usepackage[paperwidth=90mm,paperheight=65mm,margin=0mm]{geometry}
\pagestyle{empty}
\setlength{\parindent}{0pt}
\begin{document}
\input{bild.vkp}
\end{document}
TEX
cd aus
latex -interaction=nonstopmode -halt-on-error dok.tex >latex.log 2>&1 || fehlschlag "latex: $(tail -20 latex.log)"
dvips -q -o dok.ps dok.dvi 2>dvips.log || fehlschlag "dvips: $(cat dvips.log)"
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r200 -sOutputFile=dok.ppm dok.ps >gs.log 2>&1 ||
    fehlschlag "gs: $(cat gs.log)"
if [ -n "${VEKTRA_BILDER:-}" ]; then cp ../ps.ppm dok.ppm "$VEKTRA_BILDER/"; fi

# The picture's top edge (y = 38: circle centre plus diameter) is the page's top edge.
y0=$(python3 -c "print(38 * $skala)")
pruefen dok.ppm "$skala" 0 "$y0" \
    farbe:duenn-rot:30,5:255,0,0 farbe:normal-gruen:30,10:0,255,0 farbe:dick-blau:30,15:0,0,255 \
    weiss:unsichtbar:30,20:3 farbe:kreis-rand:19,30:0,0,0 weiss:kreis-innen:15,30:4 \
    farbe:gefuellt-mitte:35,30:255,0,255 farbe:spitze-gefuellt:53,35.4:0,0,0:0 \
    tinte:text-hallo-schwarz:40,23,10,4:0,0,0 weiss:text-hallo-mitte-frei:45,29:2 \
    tinte:text-x:5,25,3,4:0,0,0 weiss:unter-x:6,23.5:2 ||
    fehlschlag "Pixelprüfung der Seite aus bild.vkp fehlgeschlagen"
if pruefen dok.ppm "$skala" 0 "$y0" tinte:text-hallo-rot:40,23,10,4:255,0,0 2>/dev/null; then
    fehlschlag "die Texte des Treibers sind farbig gesetzt"
fi
echo "postscript.sh: bestanden"
