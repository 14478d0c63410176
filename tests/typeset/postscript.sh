#!/bin/bash
# The PostScript export checked for real: the drawing of zeichnung.py goes through the converter
# into a ".vkp" wrapper and its ".ps" graphic. Ghostscript renders the graphic alone; latex and
# dvips typeset the wrapper, which places the graphic and sets the texts. The pixels must show the
# lines, circles, filled arrowhead and texts at their places, in their colours and widths.
. "$(dirname "$0")/gemeinsam.bash"

python3 "$hier/zeichnung.py" bild.vks
mkdir aus
konvertieren bild.vks aus/bild.vkp
[ -f aus/bild.ps ] || fehlschlag "aus/bild.ps fehlt neben aus/bild.vkp"
grep -q 'psfile=bild.ps}' aus/bild.vkp || fehlschlag "psfile nennt nicht den bloßen Dateinamen"

# The graphic alone, which is meant to be placed and has no page output of its own, at the bottom
# left of a 90 x 65 mm page; it holds no texts.
rendern ps.ppm -r200 -dDEVICEWIDTHPOINTS=255 -dDEVICEHEIGHTPOINTS=184 -dFIXEDMEDIA aus/bild.ps -c showpage
pixel pruefen ps.ppm "$skala" 0 "$(python3 -c 'print(round(184 / 72 * 200))')" "${formen[@]}" "${breiten[@]}" \
    "${grafik[@]}" farbe:kreis-rand-oben:15,34:0,0,0 farbe:pfeilschaft:47,35:0,0,0 weiss:keine-texte:45,25:8 \
    weiss:kein-x:6,26:6 || fehlschlag "Pixelprüfung der PostScript-Datei fehlgeschlagen"

# The wrapper in a document: the graphic through psfile, the texts by LaTeX, uncoloured.
cd aus
dokument bild.vkp {graphicx} {ifpdf}
setzen latex dok.tex
pixel pruefen dok.ppm "$skala" 0 "$y0" "${formen[@]}" "${texte[@]}" farbe:spitze-gefuellt:53,35.4:0,0,0:0 ||
    fehlschlag "Pixelprüfung der Seite aus bild.vkp fehlgeschlagen"
echo "postscript.sh: bestanden"
