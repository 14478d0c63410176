#!/usr/bin/env python3
"""Compares two rendered pages (binary PPM of one size) by their ink.

vergleich.py A.ppm B.ppm RADIUS ANTEIL [NAME]
  Every inked pixel (not about white) of one page should have a pixel of about its colour within
  RADIUS px on the other, both ways. Fails when more than ANTEIL (0..1) of either page's ink has
  none, or when a page has no ink at all.
"""
import sys

from pixel import lesen


def tinte(breite, hoehe, px):
    """Inked pixels as {(i, j): colour}."""
    punkte = {}
    for j in range(hoehe):
        zeile = 3 * j * breite
        for i in range(breite):
            k = zeile + 3 * i
            c = px[k], px[k + 1], px[k + 2]
            if min(c) < 200:
                punkte[(i, j)] = c
    return punkte


def fehlend(von, nach, r):
    """Pixels of `von` without a pixel of about their colour within r in `nach`."""
    umgebung = [(di, dj) for di in range(-r, r + 1) for dj in range(-r, r + 1)]
    ohne = []
    for (i, j), c in von.items():
        if not any((d := nach.get((i + di, j + dj))) is not None and all(abs(a - b) <= 100 for a, b in zip(c, d))
                   for di, dj in umgebung):
            ohne.append((i, j))
    return ohne


def main():
    pfad_a, pfad_b, r, anteil = sys.argv[1], sys.argv[2], int(sys.argv[3]), float(sys.argv[4])
    name = sys.argv[5] if len(sys.argv) > 5 else pfad_b
    a, b = lesen(pfad_a), lesen(pfad_b)
    if a[:2] != b[:2]:
        sys.exit(f"{name}: Seiten verschieden groß: {a[:2]} und {b[:2]}")
    ta, tb = tinte(*a), tinte(*b)
    if not ta or not tb:
        sys.exit(f"{name}: eine Seite ist leer ({len(ta)} und {len(tb)} Pixel Tinte)")
    fehler = []
    for seite, von, nach in (("Original", ta, tb), ("Import", tb, ta)):
        ohne = fehlend(von, nach, r)
        if len(ohne) > anteil * len(von):
            beispiel = ", ".join(f"({i},{j})" for i, j in ohne[:5])
            fehler.append(f"{name}: {len(ohne)} von {len(von)} Pixeln des {seite}s ohne Gegenstück, etwa {beispiel}")
    for f in fehler:
        print(f, file=sys.stderr)
    sys.exit(1 if fehler else 0)


if __name__ == "__main__":
    main()
