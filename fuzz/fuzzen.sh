#!/usr/bin/env bash
# Runs every fuzz target of the fuzz build BUILD for SECONDS seconds (default 60) on its corpus
# BUILD/korpus/NAME, with the dictionary fuzz/NAME.dict where there is one. An input that breaks
# a target, crashes it or makes it hang is kept in BUILD/funde/ and the script fails.
set -euo pipefail

bau=${1:?usage: fuzz/fuzzen.sh BUILD [SECONDS]}
sekunden=${2:-60}
quelle=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$bau/funde"

for ziel in "$bau"/fuzz/fuzz_*; do
    [ -f "$ziel" ] && [ -x "$ziel" ] || continue
    name=${ziel##*/fuzz_}
    mkdir -p "$bau/korpus/$name"
    optionen=(-max_total_time="$sekunden" -timeout=10 -artifact_prefix="$bau/funde/$name-" -print_final_stats=1)
    [ -f "$quelle/fuzz/$name.dict" ] && optionen+=(-dict="$quelle/fuzz/$name.dict")
    echo "fuzz: $name, $sekunden s"
    "$ziel" "${optionen[@]}" "$bau/korpus/$name"
done
