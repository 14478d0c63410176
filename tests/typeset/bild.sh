#!/bin/bash
# The picture export typeset for real: the drawing of zeichnung.py goes through the converter into
# a ".vkx" file, which latex and dvips typeset and ghostscript renders; the pixels must show the
# lines, circles and texts at their places, in their colours and widths.
. "$(dirname "$0")/gemeinsam.bash"

python3 "$hier/zeichnung.py" bild.vks
konvertieren bild.vks bild.vkx
dokument bild.vkx '[dvips]{color}'
setzen latex dok.tex
# LaTeX draws circles from a font with a few sizes (open ones up to 40 pt, filled ones up to 15 pt
# across), so the circle checks keep to what those sizes cover; its arrowhead is two lines.
pixel pruefen dok.ppm "$skala" 0 "$y0" "${formen[@]}" "${breiten[@]}" \
    farbe:kreis-rand-oben:15,34:0,0,0:4 farbe:gefuellt-rand:36.2,30:255,0,255 weiss:gefuellt-aussen:39,30:2 \
    farbe:pfeilschaft:47,35:0,0,0 farbe:pfeilspitze:53.5,35.75:0,0,0 weiss:spitze-offen:53,35.4:1 \
    tinte:text-hallo:40,23,10,4:255,0,0 weiss:text-hallo-mitte-frei:45,29:2 tinte:text-x:5,25,3,4:0,0,0 \
    weiss:unter-x:6,23.5:2 weiss:ausserhalb:58,5:3 || fehlschlag "Pixelprüfung der Seite aus bild.vkx fehlgeschlagen"
echo "bild.sh: bestanden"
