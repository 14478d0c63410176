#!/bin/bash
# The TikZ export typeset for real by pdflatex, lualatex and xelatex, called with the converter.
# tests/data/tikz-vergleich.pic (imported by the converter) gives a drawing of every kind of element,
# chains and all nine text alignments; its ".tikz" must typeset at 600 dpi like its ".vkx" by latex and
# dvips: every inked pixel within one pixel of ink of about its colour on the other page, but for a few
# glyph pixels (Latin Modern under lualatex and xelatex is drawn a little unlike Computer Modern).
source "$(dirname "$0")/satzhilfen.bash"

# seite PAKETE VORHER BILD: dok.tex, the picture read in vertical mode 10 mm from the top left corner.
seite() {
    printf '%s\n' '\documentclass{article}' "$1" '\usepackage[paperwidth=100mm,paperheight=110mm,margin=0mm]{geometry}' \
        '\pagestyle{empty}\setlength{\parindent}{0pt}' \
        "\\begin{document}\\vspace*{10mm}$2\\setbox0=\\vbox{\\hsize=90mm \\input{$3}}\\hspace*{10mm}\\box0\\end{document}" >dok.tex
}

# The picture export's circles take LaTeX's line thickness (pict2e), the drawing's normal width.
ordner vergleich
konvertieren --utf8 "$daten/tikz-vergleich.pic" bild.vkx
konvertieren "$daten/tikz-vergleich.pic" bild.tikz
seite '\usepackage[dvips]{color}\usepackage{pict2e}' '\linethickness{0.4pt}' bild.vkx
setzen latex dok.tex 600
mv dok.ppm vkx.ppm
for weg in pdflatex lualatex xelatex; do
    seite '\usepackage{tikz}' '' bild.tikz
    setzen "$weg" dok.tex 600
    mv dok.ppm "$weg.ppm"
    anteil=0.002 && [ "$weg" = pdflatex ] || anteil=0.006
    pixel vergleich vkx.ppm "$weg.ppm" 1 "$anteil" "$weg" || nicht "$weg setzt .tikz anders als latex .vkx"
done

# The README's document, as docs/ holds it, under each engine: the drawing where the README's
# document for the ".vkx" puts it.
readme=$(<"$docs/../README.md")
[[ $readme == *"$(sed '/\S/s/^/    /' "$docs/beispiel-tikz.tex")"* ]] || nicht "README.md zeigt beispiel-tikz.tex nicht, wie es ist"
skala=$(python3 -c 'print(1.5 / 25.4 * 200)')
ordner readme
cp "$docs/beispiel-vkx.tex" "$docs/beispiel-tikz.tex" .
konvertieren "$daten/satz-beispiel.vks" bild.vkx
konvertieren "$daten/satz-beispiel.vks" bild.tikz
setzen latex beispiel-vkx.tex 200
pixel ursprung beispiel-vkx.ppm "$skala" >vkx.ursprung || fehlschlag "keine Zeichnung in beispiel-vkx"
for weg in pdflatex lualatex xelatex; do
    setzen "$weg" beispiel-tikz.tex 200
    pixel ursprung beispiel-tikz.ppm "$skala" >tikz.ursprung || fehlschlag "$weg: keine Zeichnung"
    paste -d' ' vkx.ursprung tikz.ursprung | awk '{exit ($1 - $3) ^ 2 + ($2 - $4) ^ 2 > 2}' ||
        nicht "$weg: die Zeichnung steht mit .tikz anders im Dokument als mit .vkx"
done

# --standalone: a document on its own, a page of the drawing's 55 x 75 units; with --cp1252 its texts
# in cp1252, which it declares for pdflatex.
ordner standalone
konvertieren --standalone "$daten/satz-beispiel.vks" bild.tikz
konvertieren --standalone --cp1252 "$daten/satz-beispiel.vks" cp1252.tikz
for weg in pdflatex lualatex xelatex; do
    cp bild.tikz "$weg.tex"
    setzen "$weg" "$weg.tex" 100
    groesse=$(pdfinfo "$weg.pdf" 2>&1 | grep '^Page size:' || echo 'keine Seitengröße')
    awk '{k = 1.5 * 72 / 25.4; exit !(($3 - 55 * k) ^ 2 < 1e-2 && ($5 - 75 * k) ^ 2 < 1e-2)}' <<<"$groesse" ||
        nicht "$weg standalone: $groesse"
done
cp cp1252.tikz cp1252.tex
setzen pdflatex cp1252.tex 100
pixel vergleich pdflatex.ppm cp1252.ppm 0 0 cp1252 || nicht "--cp1252 setzt anders"

ende
