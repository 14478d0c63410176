#!/usr/bin/env python3
"""Compares two renderings of the same page (binary PPM of equal size) for ink in the same places.

vergleich.py A.ppm B.ppm [RADIUS]
  Every pixel that is not about white in one picture must have a pixel of about its colour
  within RADIUS pixels (default 1) in the other. Also checks that both hold some ink at all.
Exits 1 with the number of stray pixels and where they lie.
"""
import sys

from pixel import lesen


def main():
    a, b = sys.argv[1], sys.argv[2]
    radius = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    bilder = {}
    for pfad in (a, b):
        breite, hoehe, px = lesen(pfad)
        bilder[pfad] = (breite, hoehe, px)
    if bilder[a][:2] != bilder[b][:2]:
        sys.exit(f"{a} ist {bilder[a][0]}x{bilder[a][1]}, {b} ist {bilder[b][0]}x{bilder[b][1]}")
    breite, hoehe = bilder[a][:2]

    def farbe(px, i, j):
        k = 3 * (j * breite + i)
        return px[k], px[k + 1], px[k + 2]

    def weiss(c):
        return all(v >= 215 for v in c)

    def nah(c, d):
        return all(abs(x - y) <= 90 for x, y in zip(c, d))

    fehler = False
    for von, nach in ((a, b), (b, a)):
        pv, pn = bilder[von][2], bilder[nach][2]
        tinte, fremd = 0, []
        for j in range(hoehe):
            for i in range(breite):
                c = farbe(pv, i, j)
                if weiss(c):
                    continue
                tinte += 1
                if not any(nah(c, farbe(pn, i + di, j + dj))
                           for dj in range(-radius, radius + 1) if 0 <= j + dj < hoehe
                           for di in range(-radius, radius + 1) if 0 <= i + di < breite):
                    fremd.append((i, j, c))
        if tinte < 100:
            print(f"{von}: kaum Tinte ({tinte} Pixel)", file=sys.stderr)
            fehler = True
        if fremd:
            xs, ys = [f[0] for f in fremd], [f[1] for f in fremd]
            print(f"{von}: {len(fremd)} von {tinte} Pixeln ohne Gegenstück in {nach}, "
                  f"im Feld x {min(xs)}..{max(xs)}, y {min(ys)}..{max(ys)}, etwa {fremd[0]}", file=sys.stderr)
            fehler = True
    sys.exit(1 if fehler else 0)


if __name__ == "__main__":
    main()
