#!/usr/bin/env bash
# The converter against fig2dev, each as a whole process: vektra32-convert turning a drawing of
# 32000 lines (".vks") into picture code (".vkx") and into TikZ (".tikz") against fig2dev turning
# a figure of the same 32000 lines (".fig") into eepic code and into TikZ. One generator writes
# both inputs: the figure directly, the drawing through the converter's import of picture code
# with the same coordinates. The two commands of a pair run in turns, so both see the same load
# of the machine; the medians, their ratio and the file sizes are printed.
#
#   bench/konverter-gegen-fig2dev.sh BUILD [RUNS]
set -euo pipefail

bau=${1:?usage: bench/konverter-gegen-fig2dev.sh BUILD [RUNS]}
runden=${2:-21}
konverter=$bau/convert/vektra32-convert
command -v fig2dev >/dev/null || { echo "konverter-gegen-fig2dev: fig2dev is not installed" >&2; exit 1; }

ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

# Line i runs from (x1,y1) to (x2,y2) in millimetres, two decimals, inside 200 x 200. The figure
# has the same lines at 1200 dots per inch, its y axis pointing down.
awk -v bild="$ordner/linien.vkx" -v figur="$ordner/linien.fig" 'BEGIN {
    print "\\unitlength 1mm\r" > bild
    print "\\begin{picture}(200.00,200.00)\r" > bild
    print "\\special{em:linewidth \\normal}\r" > bild
    printf "#FIG 3.2\nLandscape\nCenter\nMetric\nA4\n100.00\nSingle\n-2\n1200 2\n" > figur
    for (i = 0; i < 32000; i++) {
        x1 = (i * 37 % 19000) / 100; y1 = (i * 53 % 19000) / 100
        x2 = x1 + (i % 7) + 0.25;    y2 = y1 + (i % 5) + 0.5
        printf "\\emline{%5.2f}{%5.2f}{1}{%5.2f}{%5.2f}{2}\r\n", x1, y1, x2, y2 > bild
        printf "2 1 0 1 0 7 50 -1 -1 0.000 0 0 -1 0 0 2\n\t %d %d %d %d\n",
            x1 * 1200 / 25.4, (200 - y1) * 1200 / 25.4, x2 * 1200 / 25.4, (200 - y2) * 1200 / 25.4 > figur
    }
    print "\\end{picture}\r" > bild
}'
"$konverter" "$ordner/linien.vkx" "$ordner/linien.vks"

# Microseconds one run of the command takes; the clock is bash's own, so no process of its own
# is timed with it.
dauer() {
    local anfang=$EPOCHREALTIME
    "$@" >/dev/null
    local ende=$EPOCHREALTIME
    echo $((${ende/[.,]/} - ${anfang/[.,]/}))
}

median() {
    sort -n | awk '{ w[NR] = $1 } END { print w[int((NR + 1) / 2)] }'
}

# vergleichen ENDUNG SPRACHE: the converter writing ENDUNG against fig2dev -L SPRACHE.
vergleichen() {
    : >"$ordner/konverter.us"
    : >"$ordner/fig2dev.us"
    for ((r = 0; r < runden; r++)); do
        dauer "$konverter" "$ordner/linien.vks" "$ordner/aus.$1" >>"$ordner/konverter.us"
        dauer fig2dev -L "$2" "$ordner/linien.fig" "$ordner/fig2dev.$2" >>"$ordner/fig2dev.us"
    done
    awk -v k="$(median <"$ordner/konverter.us")" -v f="$(median <"$ordner/fig2dev.us")" -v n="$runden" \
        -v e="$1" -v l="$2" -v kb="$(stat -c %s "$ordner/aus.$1")" -v fb="$(stat -c %s "$ordner/fig2dev.$2")" 'BEGIN {
        printf "32000 lines, median of %d runs each\n", n
        printf "  vektra32-convert .vks -> .%-5s  %8.2f ms  %9d bytes\n", e, k / 1e3, kb
        printf "  fig2dev -L %-5s .fig -> %-5s  %8.2f ms  %9d bytes\n", l, l, f / 1e3, fb
        printf "  fig2dev / vektra32-convert      %8.2f\n", f / k
    }'
}

vergleichen vkx eepic
vergleichen tikz tikz
