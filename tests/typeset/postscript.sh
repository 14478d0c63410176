#!/bin/bash
# The PostScript export checked for real: the drawing of zeichnung.py goes through the converter
# into a ".vkp" wrapper and its ".ps" graphic, which ghostscript renders alone. The pixels must show
# the lines, circles and filled arrowhead at their places, in their colours and widths, and no
# text: those are the wrapper's, which pdflatex.sh typesets both ways.
. "$(dirname "$0")/gemeinsam.bash"

python3 "$hier/zeichnung.py" bild.vks
konvertieren bild.vks bild.vkp
[ -f bild.ps ] || fehlschlag "bild.ps fehlt neben bild.vkp"
grep -q 'psfile=bild.ps}' bild.vkp || fehlschlag "psfile nennt nicht den bloßen Dateinamen"

# The graphic is meant to be placed and has no page output of its own; here it lies at the
# bottom left of a 90 x 65 mm page.
rendern ps.ppm -r200 -dDEVICEWIDTHPOINTS=255 -dDEVICEHEIGHTPOINTS=184 -dFIXEDMEDIA bild.ps -c showpage
pixel pruefen ps.ppm "$skala" 0 "$(python3 -c 'print(round(184 / 72 * 200))')" "${formen[@]}" "${breiten[@]}" \
    "${grafik[@]}" farbe:kreis-rand-oben:15,34:0,0,0 farbe:pfeilschaft:47,35:0,0,0 weiss:keine-texte:45,25:8 \
    weiss:kein-x:6,26:6 || fehlschlag "Pixelprüfung der PostScript-Datei fehlgeschlagen"
echo "postscript.sh: bestanden"
