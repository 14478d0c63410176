#!/bin/bash
# The picture import checked against LaTeX: pictures written by fig2dev from figures of our own
# and picture code in the style of the LaTeX manual are typeset as they are and again after the
# converter has imported them and exported them as ".vkx". Both pages must show the same lines,
# circles and texts at the same places in the same colours.
set -euo pipefail
konverter=${1:?Aufruf: import.sh KONVERTER}
hier=$(cd "$(dirname "$0")" && pwd)
daten="$hier/../data"
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"

fehlschlag() { echo "import.sh: $*" >&2; exit 1; }
command -v fig2dev >/dev/null || fehlschlag "fig2dev fehlt (scripts/install-deps installiert es)"

# Typesets picture file $1, read in input encoding $2, with its origin 10 mm from the left and
# 15 mm from the bottom of the page whatever its size; renders it as $3. The picture is read in
# vertical mode, so the line ends of its header lines put no blanks before it.
setzen() {
    cat > dok.tex <<TEX
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
    latex -interaction=nonstopmode -halt-on-error dok.tex >latex.log 2>&1 || fehlschlag "latex $1: $(tail -20 latex.log)"
    dvips -q -o dok.ps dok.dvi 2>dvips.log || fehlschlag "dvips $1: $(cat dvips.log)"
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r150 -sOutputFile="$3" dok.ps >gs.log 2>&1 ||
        fehlschlag "gs $1: $(cat gs.log)"
    if [ -n "${VEKTRA_BILDER:-}" ]; then cp "$3" "$VEKTRA_BILDER/"; fi
}

# Imports $1 (typeset in encoding $2) into a ".vkx" and compares the two pages. The converter
# must say nothing, or exactly what $3 names.
vergleichen() {
    local name=${1%.*}
    "$konverter" "$1" "$name-import.vkx" 2>meldungen || fehlschlag "Konverter $1: $(cat meldungen)"
    [ "$(cat meldungen)" = "${3:-}" ] || fehlschlag "Konverter $1 meldet: $(cat meldungen)"
    setzen "$1" "$2" "$name-original.ppm"
    setzen "$name-import.vkx" cp1252 "$name-import.ppm"
    python3 "$hier/vergleich.py" "$name-original.ppm" "$name-import.ppm" 2 0.02 "$1" ||
        fehlschlag "$1 sieht nach dem Import anders aus"
}

fig2dev -L latex "$daten/figur.fig" figur.tex 2>fig2dev.log || fehlschlag "fig2dev: $(cat fig2dev.log)"
vergleichen figur.tex utf8
cp "$daten/handbuch.pic" .
vergleichen handbuch.pic utf8
echo "import.sh: bestanden"
