# Sourced by the typesetting checks, which are called with the converter as their argument: a
# temporary work folder, typesetting and rendering, and the pixel checks of zeichnung.py's drawing.
set -euo pipefail
skript=$(basename "$0")
konverter=${1:?Aufruf: $skript KONVERTER}
hier=$(cd "$(dirname "$0")" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cd "$arbeit"

fehlschlag() { echo "$skript: $*" >&2; exit 1; }
konvertieren() { "$konverter" "$@" 2>meldungen || fehlschlag "Konverter $*: $(cat meldungen)"; }
pixel() { python3 "$hier/pixel.py" "$@"; }

# setzen latex|pdflatex DOK.tex [DPI]: typesets DOK.tex, with dvips after latex, and renders the
# page as DOK.ppm.
setzen() {
    local weg=$1 dok=${2%.tex} dpi=${3:-200} seite
    "$weg" -interaction=nonstopmode -halt-on-error "$dok.tex" >satz.log 2>&1 ||
        fehlschlag "$weg $dok: $(tail -20 satz.log)"
    seite=$dok.pdf
    if [ "$weg" = latex ]; then
        seite=$dok.ps
        dvips -q -o "$seite" "$dok.dvi" 2>dvips.log || fehlschlag "dvips $dok: $(cat dvips.log)"
    fi
    if grep -q 'Missing character' "$dok.log"; then fehlschlag "$dok: $(grep 'Missing character' "$dok.log" | head -3)"; fi
    rendern "$dok.ppm" "-r$dpi" "$seite"
}
# rendern ZIEL.ppm GS-ARGUMENT...
rendern() {
    local ziel=$1
    shift
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -sOutputFile="$ziel" "$@" >gs.log 2>&1 ||
        fehlschlag "gs $*: $(cat gs.log)"
    if [ -n "${VEKTRA_BILDER:-}" ]; then cp "$ziel" "$VEKTRA_BILDER/${skript%.sh}-$(basename "$ziel")"; fi
}

# dokument DATEI PAKET...: dok.tex, a 90 x 65 mm page with DATEI at its top left corner.
dokument() {
    local datei=$1
    shift
    {
        echo '\documentclass{article}'
        printf '\\usepackage%s\n' "$@"
        echo '\usepackage[paperwidth=90mm,paperheight=65mm,margin=0mm]{geometry}'
        echo '\pagestyle{empty}\setlength{\parindent}{0pt}'
        echo "\\begin{document}\\input{$datei}\\end{document}"
    } >dok.tex
}

# The drawing's 1.5 mm units at 200 dpi; y0 is the pixel row of y = 0 when the picture's top edge
# (y = 38: circle centre plus diameter) is the page's top edge.
skala=$(python3 -c 'print(1.5 / 25.4 * 200)')
y0=$(python3 -c "print(38 * $skala)")
# What every route shows of the drawing: the lines in their colours, nothing of the invisible
# ones, the deleted line or the invisible circle, the open and the filled circle.
formen=(farbe:duenn-rot:30,5:255,0,0 farbe:normal-gruen:30,10:0,255,0 farbe:dick-blau:30,15:0,0,255
    weiss:unsichtbar:30,20:3 weiss:unsichtbarer-kreis:26,22:2 weiss:geloescht:30,38:3
    farbe:kreis-rand:19,30:0,0,0:4 weiss:kreis-innen:15,30:4 farbe:gefuellt-mitte:35,30:255,0,255)
# Widths of the TeX classes: the thin line narrow, the thick one 3 pt across.
breiten=(weiss:duenn-schmal:30,5.6:1 farbe:dick-breit-oben:30,15.3:0,0,255:0
    farbe:dick-breit-unten:30,14.7:0,0,255:0)
# The filled circle and arrowhead of the PostScript graphic, at their exact sizes.
grafik=(farbe:gefuellt-rand:37.7,30:255,0,255 weiss:gefuellt-aussen:38.6,30:1
    farbe:spitze-gefuellt:53,35.4:0,0,0:0 farbe:spitze-gefuellt-unten:53,34.6:0,0,0:0)
# The texts as LaTeX sets them in the wrapper: in black.
texte=(tinte:text-hallo:40,23,10,4:0,0,0 weiss:text-hallo-mitte-frei:45,29:2 tinte:text-x:5,25,3,4:0,0,0
    weiss:unter-x:6,23.5:2)
