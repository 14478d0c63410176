#!/bin/bash
# The PostScript export's two routes typeset for real: the ".vkp" wrapper in one document, once
# through pdflatex (which includes the ".pdf" beside the ".ps") and once through latex and dvips
# (which place the ".ps"). Ghostscript renders both pages; they must show the same lines,
# circles, arrowhead and texts in the same places and colours, and the PDF's page must be the
# picture's size.
set -euo pipefail
konverter=${1:?Aufruf: pdflatex.sh KONVERTER}
hier=$(cd "$(dirname "$0")" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"

fehlschlag() { echo "pdflatex.sh: $*" >&2; exit 1; }
rendern() { gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r200 -sOutputFile="$2" "$1" >gs.log 2>&1 ||
    fehlschlag "gs $1: $(cat gs.log)"; }

python3 "$hier/zeichnung.py" bild.vks
"$konverter" bild.vks bild.vkp 2>meldungen || fehlschlag "Konverter: $(cat meldungen)"
[ -f bild.pdf ] || fehlschlag "bild.pdf fehlt neben bild.vkp"

# 55 x 38 units of 1.5 mm: W·k by H·k points.
groesse=$(pdfinfo bild.pdf | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p')
python3 -c "
import sys
b, h = map(float, '$groesse'.split())
k = 1.5 * 72 / 25.4
sys.exit(0 if abs(b - 55 * k) < 0.01 and abs(h - 38 * k) < 0.01 else 1)" ||
    fehlschlag "Seite von bild.pdf ist $groesse pt, nicht $(python3 -c 'k=1.5*72/25.4; print(55*k, "x", 38*k)')"

cat > dok.tex <<'TEX'
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
pdflatex -interaction=nonstopmode -halt-on-error dok.tex >pdflatex.log 2>&1 ||
    fehlschlag "pdflatex: $(tail -20 pdflatex.log)"
rendern dok.pdf pdf.ppm
latex -interaction=nonstopmode -halt-on-error dok.tex >latex.log 2>&1 || fehlschlag "latex: $(tail -20 latex.log)"
dvips -q -o dok.ps dok.dvi 2>dvips.log || fehlschlag "dvips: $(cat dvips.log)"
rendern dok.ps ps.ppm
if [ -n "${VEKTRA_BILDER:-}" ]; then cp pdf.ppm "$VEKTRA_BILDER/pdflatex.ppm"; cp ps.ppm "$VEKTRA_BILDER/dvips.ppm"; fi

# The pdflatex page on its own: the graphic's shapes at their places, the texts by LaTeX.
skala=$(python3 -c 'print(1.5 / 25.4 * 200)')
y0=$(python3 -c "print(38 * $skala)")
python3 "$hier/pixel.py" pdf.ppm "$skala" 0 "$y0" \
    farbe:duenn-rot:30,5:255,0,0 weiss:duenn-schmal:30,5.6:1 farbe:normal-gruen:30,10:0,255,0 \
    farbe:dick-blau:30,15:0,0,255 weiss:unsichtbar:30,20:3 \
    farbe:kreis-rand:19,30:0,0,0 weiss:kreis-innen:15,30:4 \
    farbe:gefuellt-mitte:35,30:255,0,255 farbe:gefuellt-rand:37.7,30:255,0,255 weiss:gefuellt-aussen:38.6,30:1 \
    farbe:spitze-gefuellt:53,35.4:0,0,0:0 farbe:spitze-gefuellt-unten:53,34.6:0,0,0:0 \
    tinte:text-hallo:40,23,10,4:0,0,0 tinte:text-x:5,25,3,4:0,0,0 ||
    fehlschlag "Pixelprüfung der Seite aus pdflatex fehlgeschlagen"

# Both routes alike, to within a pixel (a third of a point).
python3 "$hier/vergleich.py" pdf.ppm ps.ppm 1 0 pdflatex || fehlschlag "pdflatex und latex/dvips setzen verschieden"
echo "pdflatex.sh: bestanden"
