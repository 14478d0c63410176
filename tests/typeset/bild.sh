#!/bin/bash
# The picture export typeset for real: a coloured drawing goes through the converter into a
# ".vkx" file, which latex and dvips typeset and ghostscript renders; the pixels must show the
# lines, circles and texts at their places, in their colours and widths.
set -euo pipefail
konverter=${1:?Aufruf: bild.sh KONVERTER}
hier=$(cd "$(dirname "$0")" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"

fehlschlag() { echo "bild.sh: $*" >&2; exit 1; }

python3 "$hier/zeichnung.py" bild.vks
"$konverter" bild.vks bild.vkx 2>meldungen || fehlschlag "Konverter: $(cat meldungen)"

# The picture (55 x 40 units of 1.5 mm) at the top left corner of a page just larger.
cat > dok.tex <<'TEX'
\documentclass{article}
\usepackage[dvips]{color}
\usepackage[paperwidth=90mm,paperheight=65mm,margin=0mm]{geometry}
\pagestyle{empty}
\setlength{\parindent}{0pt}
\begin{document}
\input{bild.vkx}
\end{document}
TEX
latex -interaction=nonstopmode -halt-on-error dok.tex >latex.log 2>&1 || fehlschlag "latex: $(tail -20 latex.log)"
dvips -q -o dok.ps dok.dvi 2>dvips.log || fehlschlag "dvips: $(cat dvips.log)"
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r200 -sOutputFile=dok.ppm dok.ps >gs.log 2>&1 ||
    fehlschlag "gs: $(cat gs.log)"
if [ -n "${VEKTRA_BILDER:-}" ]; then cp dok.ppm "$VEKTRA_BILDER/bild.ppm"; fi

# 1.5 mm per unit at 200 dpi; the picture's top edge (y = 38: circle centre plus diameter) is the
# page's top edge. LaTeX draws circles from a font with a few sizes (open ones up to 40 pt,
# filled ones up to 15 pt across), so the circle checks keep to what those sizes cover.
skala=$(python3 -c 'print(1.5 / 25.4 * 200)')
y0=$(python3 -c "print(38 * $skala)")
python3 "$hier/pixel.py" dok.ppm "$skala" 0 "$y0" \
    farbe:duenn-rot:30,5:255,0,0 weiss:duenn-schmal:30,5.6:1 \
    farbe:normal-gruen:30,10:0,255,0 \
    farbe:dick-blau:30,15:0,0,255 farbe:dick-breit-oben:30,15.3:0,0,255:0 farbe:dick-breit-unten:30,14.7:0,0,255:0 \
    weiss:unsichtbar:30,20:3 \
    farbe:kreis-rand:19,30:0,0,0:4 farbe:kreis-rand-oben:15,34:0,0,0:4 weiss:kreis-innen:15,30:4 \
    farbe:gefuellt-mitte:35,30:255,0,255 farbe:gefuellt-rand:36.2,30:255,0,255 weiss:gefuellt-aussen:39,30:2 \
    farbe:pfeilschaft:47,35:0,0,0 farbe:pfeilspitze:53.5,35.75:0,0,0 weiss:spitze-offen:53,35.4:1 \
    tinte:text-hallo:40,23,10,4:255,0,0 weiss:text-hallo-mitte-frei:45,29:2 \
    tinte:text-x:5,25,3,4:0,0,0 weiss:unter-x:6,23.5:2 \
    weiss:unsichtbarer-kreis:26,22:2 weiss:geloescht:30,38:3 weiss:ausserhalb:58,5:3 ||
    fehlschlag "Pixelprüfung der Seite aus bild.vkx fehlgeschlagen"
echo "bild.sh: bestanden"
