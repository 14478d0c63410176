#!/bin/bash
# The exports typeset for real, called with the converter: each route from a drawing to a page through
# latex and dvips, pdflatex or ghostscript, the page read back by pixel.py. The drawing, tests/data/satz.vks:
# unit 1.5 mm, widths thin 0.4 pt, normal 1.2 pt, thick 3 pt. Lines from x = 5 to 55: red thin at y = 5,
# green normal at y = 10, blue thick at y = 15, black invisible at y = 20, black deleted at y = 38.
# Circles: black normal open at (15,30), 8 across; magenta thick filled at (35,30), 6 across; invisible at
# (25,22), 2 across. A black normal arrow (40,35)-(55,35), its head two strokes to (52,36.5) and (52,33.5).
# Texts: "Hallo" red, centred on (45,25); "X" black from (5,25). satz-beispiel.vks adds "Größe 5 €" black
# from (5,45) and a blue normal open circle at (30,55), 20 across, larger than LaTeX's own.
source "$(dirname "$0")/satzhilfen.bash"

# dokument PAKETE BREITE HOEHE INHALT: dok.tex, a page of that size without margins holding INHALT.
dokument() {
    printf '%s\n' '\documentclass{article}' "$1" "\\usepackage[paperwidth=$2,paperheight=$3,margin=0mm]{geometry}" \
        '\pagestyle{empty}\setlength{\parindent}{0pt}' "\\begin{document}$4\\end{document}" >dok.tex
}

# The drawing's units at 200 dpi; the groups of pixel checks of tests/data/satz-pruefungen.txt.
skala=$(python3 -c 'print(1.5 / 25.4 * 200)')
for gruppe in formen breit grafik texte vkx ps beispiel; do
    read -ra "$gruppe" < <(sed -n "s/^$gruppe //p" "$daten/satz-pruefungen.txt")
done

# The picture code at the top left corner of a 90 x 65 mm page (y = 38, circle centre plus diameter, is
# its top edge), with nothing but color: LaTeX draws circles from a font with a few sizes (open ones up to
# 40 pt, filled ones up to 15 pt across), so the circle checks keep to those; the arrowhead is two lines.
ordner vkx
konvertieren "$daten/satz.vks" bild.vkx
dokument '\usepackage[dvips]{color}' 90mm 65mm '\input{bild.vkx}'
setzen latex dok.tex
pixel pruefen dok.ppm "$skala" 0 "$(python3 -c "print(38 * $skala)")" "${formen[@]}" "${breit[@]}" "${texte[@]}" \
    "${vkx[@]}" || nicht "Pixelprüfung der Seite aus bild.vkx"

# The PostScript graphic rendered alone, at the bottom left of a 90 x 65 mm page: no texts, those
# are the wrapper's. Beside it the PDF for pdflatex, a page of the picture's 55 x 38 units.
ordner ps
konvertieren "$daten/satz.vks" bild.vkp
grep -q 'psfile=bild.ps}' bild.vkp || nicht "psfile nennt nicht den bloßen Dateinamen"
[ -f bild.ps ] && [ -f bild.pdf ] || fehlschlag "bild.ps oder bild.pdf fehlt neben bild.vkp"
groesse=$(pdfinfo bild.pdf 2>&1 | grep '^Page size:' || echo 'keine Seitengröße')
awk '{k = 1.5 * 72 / 25.4; exit !(($3 - 55 * k) ^ 2 < 1e-4 && ($5 - 38 * k) ^ 2 < 1e-4)}' <<<"$groesse" ||
    nicht "bild.pdf: $groesse"
rendern ps.ppm -r200 -dDEVICEWIDTHPOINTS=255 -dDEVICEHEIGHTPOINTS=184 -dFIXEDMEDIA bild.ps -c showpage
pixel pruefen ps.ppm "$skala" 0 "$(python3 -c 'print(round(184 / 72 * 200))')" "${formen[@]}" "${breit[@]}" \
    "${grafik[@]}" "${ps[@]}" || nicht "Pixelprüfung der PostScript-Datei"

# The README's two documents, which it must show line by line as they are in docs/, typeset as
# they stand with satz-beispiel.vks, and without their inputenc line (so reading UTF-8, LaTeX's
# default) from files written with --utf8, which must give the same pages.
readme=$(<"$docs/../README.md")
for tex in "$docs"/beispiel-vk[xp].tex; do
    [[ $readme == *"$(sed '/\S/s/^/    /' "$tex")"* ]] || nicht "README.md zeigt ${tex#$docs/} nicht, wie es ist"
done
# beispiel ORDNER DOKUMENT latex|pdflatex [--utf8]: typesets the document with a picture of the
# drawing in ORDNER to ORDNER/seite.ppm and keeps the pixel of the drawing's origin in ORDNER/ursprung.
beispiel() {
    ordner "$1"
    sed "${4:+/inputenc/d}" "$docs/$2.tex" >"$2.tex"
    konvertieren ${4:-} "$daten/satz-beispiel.vks" "bild.${2#beispiel-}"
    setzen "$3" "$2.tex"
    mv "$2.ppm" seite.ppm
    pixel ursprung seite.ppm "$skala" >ursprung || fehlschlag "$1/$2: die Zeichnung ist nicht auf der Seite"
}
# pruefen ORDNER PRUEFUNG...: the drawing, with the large circle and the texts of the README's documents.
pruefen() {
    pixel pruefen "$arbeit/$1/seite.ppm" "$skala" $(cat "$arbeit/$1/ursprung") "${formen[@]}" "${@:2}" \
        "${beispiel[@]}" || nicht "Pixelprüfung von $1"
}
# vergleich A B ANTEIL: the pages of two folders alike to within a pixel, a third of a point.
vergleich() { pixel vergleich "$arbeit/$1/seite.ppm" "$arbeit/$2/seite.ppm" 1 "$3" "$2"; }

# The picture code sets the texts in their colours.
beispiel vkx-doc beispiel-vkx latex
pruefen vkx-doc tinte:text-hallo:40,23,10,4:255,0,0
beispiel vkx-utf8 beispiel-vkx latex --utf8
vergleich vkx-doc vkx-utf8 0 || nicht "--utf8 setzt die .vkx anders"
# Without --utf8 the texts stay cp1252, which a document reading UTF-8 rejects.
cp ../vkx-doc/bild.vkx .
latex -interaction=nonstopmode -halt-on-error beispiel-vkx.tex >satz.log 2>&1 &&
    nicht "cp1252-Texte in einem UTF-8-Dokument ohne Fehler gesetzt"
grep -q 'Invalid UTF-8' beispiel-vkx.log || nicht "kein Hinweis auf ungültiges UTF-8"

# The wrapper: the graphic from the PDF or the PostScript file, the texts in black by LaTeX; its picture
# as large as the picture code's, so the figure holds the drawing at the same place. Both routes alike but
# for a few pixels of the euro sign, whose bitmap font each renders a little differently.
beispiel vkp-doc beispiel-vkp pdflatex
pruefen vkp-doc "${grafik[@]}" "${texte[@]}" tinte:text-hallo:40,23,10,4:0,0,0
paste -d' ' "$arbeit"/vk[xp]-doc/ursprung | awk '{exit ($1 - $3) ^ 2 + ($2 - $4) ^ 2 > 2}' ||
    nicht "die Zeichnung steht mit .vkp anders im Dokument als mit .vkx"
beispiel vkp-ps beispiel-vkp latex
vergleich vkp-doc vkp-ps 0.0005 || nicht "pdflatex und latex/dvips setzen verschieden"
beispiel vkp-utf8 beispiel-vkp pdflatex --utf8
vergleich vkp-doc vkp-utf8 0 || nicht "--utf8 setzt die .vkp anders"

# The picture import: fig2dev's pictures of a figure of ours and picture code in the style of the
# LaTeX manual, typeset as they are and after the converter has imported them and written them as
# ".vkx", which it must do without a message; both pages alike.
ordner import
fig2dev -L latex "$daten/figur.fig" figur.tex 2>fig2dev.log ||
    fehlschlag "fig2dev (scripts/install-deps installiert es): $(cat fig2dev.log)"
cp "$daten/handbuch.pic" .
# seite DATEI KODIERUNG ZIEL.ppm: typesets DATEI in that input encoding, its origin 10 mm from the
# left and 15 mm from the bottom of the page whatever its size; read in vertical mode, so the line
# ends of its header lines put no blanks before it.
seite() {
    dokument "\\usepackage[$2]{inputenc}\\usepackage[dvips]{color}" 130mm 130mm \
        "\\setbox0=\\vbox{\\hsize=120mm \\input{$1}}\\vspace*{115mm}\\hspace*{10mm}\\raisebox{0pt}[0pt][0pt]{\\box0}"
    setzen latex dok.tex 150
    mv dok.ppm "$3"
}
for bild in figur.tex handbuch.pic; do
    name=${bild%.*}
    konvertieren "$bild" "$name-import.vkx"
    [ ! -s meldungen ] || nicht "Konverter $bild meldet: $(cat meldungen)"
    seite "$bild" utf8 "$name-original.ppm"
    seite "$name-import.vkx" cp1252 "$name-import.ppm"
    pixel vergleich "$name-original.ppm" "$name-import.ppm" 2 0.02 "$bild" || nicht "$bild sieht nach dem Import anders aus"
done

ende
