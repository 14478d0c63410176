#!/usr/bin/env bash
# Makes the seed inputs of the fuzz targets in BUILD/korpus/NAME with the converter of the fuzz
# build BUILD: native drawings (the picture examples imported, a few plotted curves), picture
# files (the examples, hand-written and fig2dev pictures, and those drawings exported), TikZ
# pictures (those drawings exported), and one input per line of fuzz/NAME.seeds.
# The folders are the fuzzers' working corpora too; what they already hold is kept.
set -euo pipefail

bau=${1:?usage: fuzz/seeds.sh BUILD}
quelle=$(cd "$(dirname "$0")/.." && pwd)
konverter=$bau/convert/vektra32-convert
korpus=$bau/korpus
zeichnungen=$korpus/Zeichnungsdatei
bilder=$korpus/VektraLesen
mkdir -p "$zeichnungen" "$bilder"

konvertieren() {
    "$konverter" "$@" 2>/dev/null || { echo "seeds: vektra32-convert $* failed" >&2; exit 1; }
}

for vkx in "$quelle"/tests/data/*.vkx; do
    name=$(basename "$vkx" .vkx)
    cp "$vkx" "$bilder/$name.vkx"
    konvertieren "$vkx" "$zeichnungen/$name.vks"
done

konvertieren --curve "5*cos(t)+10" "5*sin(t)+10" --t1 6.2832 --control none --dt 0.3 "$zeichnungen/kreis.vks"
konvertieren --curve "t" "t^2/4" --t0 -6 --t1 6 --chord 2 --offset 20,5 --pattern 2,1,0,0 "$zeichnungen/parabel.vks"
konvertieren --curve "n*cos(t)" "n*sin(t)" --n0 1 --n1 3 --t1 3.1416 --control none --dt 0.4 \
    --offset 40,40 "$zeichnungen/boegen.vks"
konvertieren --curve "4*cos(t)" "4*sin(t)" --z "t" --t1 9 --control direction --angle 20 \
    --no-clip "$zeichnungen/wendel.vks"

# Pictures written by hand and by fig2dev, as the import meets them.
cp "$quelle"/tests/data/*.pic "$bilder/"
if command -v fig2dev >/dev/null; then
    fig2dev -L latex "$quelle/tests/data/figur.fig" "$bilder/figur.tex" 2>/dev/null
fi

for vks in "$zeichnungen"/{kreis,parabel,boegen,wendel}.vks; do
    konvertieren "$vks" "$bilder/$(basename "$vks" .vks).vkx"
done

# TikZ pictures: the drawings exported, and the typeset test's picture as a whole document.
tikz=$korpus/TikzLesen
mkdir -p "$tikz"
for vks in "$zeichnungen"/*.vks; do
    konvertieren "$vks" "$tikz/$(basename "$vks" .vks).tikz"
done
konvertieren --standalone "$quelle/tests/data/tikz-vergleich.pic" "$tikz/vergleich.tikz"

# Macros of the picked curves, and language files.
makros=$korpus/Makrodatei
sprachen=$korpus/Sprachdatei
mkdir -p "$makros" "$sprachen"
konvertieren "$zeichnungen/kreis.vks" "$makros/kreis.vkm" --ref 10,10
konvertieren "$zeichnungen/boegen.vks" "$makros/boegen.vkm"
printf '[Language]\r\nsn=N\r\ns12=Draw lines \r\ns59="Clip: %%d %%d %%d %%d"\r\nsf1 = "Colour"\r\n' >"$sprachen/englisch"
printf '; comment\n[language]\nS62=Fehler %%s bei %%d: %%6.2f\ns28=\xe4\xf6\n' >"$sprachen/gemischt"

for liste in "$quelle"/fuzz/*.seeds; do
    [ -f "$liste" ] || continue
    ziel=$korpus/$(basename "$liste" .seeds)
    mkdir -p "$ziel"
    n=0
    while IFS= read -r zeile || [ -n "$zeile" ]; do
        n=$((n + 1))
        printf '%s' "$zeile" >"$ziel/seed-$n"
    done <"$liste"
done
