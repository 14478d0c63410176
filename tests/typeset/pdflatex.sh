#!/bin/bash
# The PostScript export's two routes typeset for real: the ".vkp" wrapper in one document, once
# through pdflatex (which includes the ".pdf" beside the ".ps") and once through latex and dvips
# (which place the ".ps"). The pdflatex page must show the lines, circles, arrowhead and texts,
# set by LaTeX in black, at their places; the latex page must be the same to within a pixel; the
# PDF's page must be the picture's size.
. "$(dirname "$0")/gemeinsam.bash"

python3 "$hier/zeichnung.py" bild.vks
konvertieren bild.vks bild.vkp
[ -f bild.pdf ] || fehlschlag "bild.pdf fehlt neben bild.vkp"
# 55 x 38 units of 1.5 mm: W·k by H·k points.
groesse=$(pdfinfo bild.pdf | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p')
python3 -c "k = 1.5 * 72 / 25.4; b, h = map(float, '$groesse'.split())
assert abs(b - 55 * k) < 0.01 and abs(h - 38 * k) < 0.01" 2>/dev/null || fehlschlag "Seite von bild.pdf ist $groesse pt"

dokument bild.vkp {graphicx} {ifpdf}
setzen pdflatex dok.tex
mv dok.ppm pdf.ppm
pixel pruefen pdf.ppm "$skala" 0 "$y0" "${formen[@]}" weiss:duenn-schmal:30,5.6:1 "${grafik[@]}" "${texte[@]}" ||
    fehlschlag "Pixelprüfung der Seite aus pdflatex fehlgeschlagen"
# Both routes alike, to within a pixel (a third of a point).
setzen latex dok.tex
pixel vergleich pdf.ppm dok.ppm 1 0 pdflatex || fehlschlag "pdflatex und latex/dvips setzen verschieden"
echo "pdflatex.sh: bestanden"
