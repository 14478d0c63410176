#!/bin/bash
# The picture import checked against LaTeX: pictures written by fig2dev from figures of our own
# and picture code in the style of the LaTeX manual are typeset as they are and again after the
# converter has imported them and exported them as ".vkx". Both pages must show the same lines,
# circles and texts at the same places in the same colours.
. "$(dirname "$0")/gemeinsam.bash"
command -v fig2dev >/dev/null || fehlschlag "fig2dev fehlt (scripts/install-deps installiert es)"

# seite DATEI KODIERUNG ZIEL.ppm: typesets picture file DATEI, read in that input encoding, with
# its origin 10 mm from the left and 15 mm from the bottom of the page whatever its size. The
# picture is read in vertical mode, so the line ends of its header lines put no blanks before it.
seite() {
    cat >dok.tex <<TEX
\\documentclass{article}
\\usepackage[$2]{inputenc}
\\usepackage[dvips]{color}
\\usepackage[paperwidth=130mm,paperheight=130mm,margin=0mm]{geometry}
\\pagestyle{empty}
\\setlength{\\parindent}{0pt}
\\begin{document}
\\setbox0=\\vbox{\\hsize=120mm \\input{$1}}
\\vspace*{115mm}\\hspace*{10mm}\\raisebox{0pt}[0pt][0pt]{\\box0}
\\end{document}
TEX
    setzen latex dok.tex 150
    mv dok.ppm "$3"
}

# Imports DATEI (typeset in encoding KODIERUNG) into a ".vkx" and compares the two pages; the
# converter must say nothing.
vergleichen() {
    local name=${1%.*}
    konvertieren "$1" "$name-import.vkx"
    [ ! -s meldungen ] || fehlschlag "Konverter $1 meldet: $(cat meldungen)"
    seite "$1" "$2" "$name-original.ppm"
    seite "$name-import.vkx" cp1252 "$name-import.ppm"
    pixel vergleich "$name-original.ppm" "$name-import.ppm" 2 0.02 "$1" || fehlschlag "$1 sieht nach dem Import anders aus"
}

fig2dev -L latex "$hier/../data/figur.fig" figur.tex 2>fig2dev.log || fehlschlag "fig2dev: $(cat fig2dev.log)"
vergleichen figur.tex utf8
cp "$hier/../data/handbuch.pic" .
vergleichen handbuch.pic utf8
echo "import.sh: bestanden"
