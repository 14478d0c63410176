#!/usr/bin/env bash
# The TikZ export against fig2dev's, each as a whole process: vektra32-convert turning a drawing
# of 32000 lines (".vks") into a ".tikz" against fig2dev -L tikz turning a figure of the same 32000
# lines (".fig") into TikZ. One generator writes both inputs, as in konverter-gegen-fig2dev.sh.
# The two commands run in turns; the medians, their ratio and the two file sizes are printed.
#
#   bench/tikz-gegen-fig2dev.sh BUILD [RUNS]
set -euo pipefail

bau=${1:?usage: bench/tikz-gegen-fig2dev.sh BUILD [RUNS]}
runden=${2:-21}
konverter=$bau/convert/vektra32-convert
command -v fig2dev >/dev/null || { echo "tikz-gegen-fig2dev: fig2dev is not installed" >&2; exit 1; }

ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

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

dauer() {
    local anfang=$EPOCHREALTIME
    "$@" >/dev/null
    local ende=$EPOCHREALTIME
    echo $((${ende/[.,]/} - ${anfang/[.,]/}))
}

median() {
    sort -n | awk '{ w[NR] = $1 } END { print w[int((NR + 1) / 2)] }'
}

: >"$ordner/konverter.us"
: >"$ordner/fig2dev.us"
for ((r = 0; r < runden; r++)); do
    dauer "$konverter" "$ordner/linien.vks" "$ordner/aus.tikz" >>"$ordner/konverter.us"
    dauer fig2dev -L tikz "$ordner/linien.fig" "$ordner/aus-fig2dev.tikz" >>"$ordner/fig2dev.us"
done
k=$(median <"$ordner/konverter.us")
f=$(median <"$ordner/fig2dev.us")
awk -v k="$k" -v f="$f" -v n="$runden" -v kb="$(stat -c %s "$ordner/aus.tikz")" \
    -v fb="$(stat -c %s "$ordner/aus-fig2dev.tikz")" 'BEGIN {
    printf "32000 lines, median of %d runs each\n", n
    printf "  vektra32-convert .vks -> .tikz  %8.2f ms  %9d bytes\n", k / 1e3, kb
    printf "  fig2dev -L tikz .fig -> tikz    %8.2f ms  %9d bytes\n", f / 1e3, fb
    printf "  fig2dev / vektra32-convert      %8.2f\n", f / k
}'
