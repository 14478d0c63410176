#!/usr/bin/env python3
"""Finds the test drawing on a rendered page by its one green line and cuts it out.

ausschnitt.py SEITE.ppm PX_JE_EINHEIT AUS.ppm
  The green line of zeichnung.py runs from (5,10) to (55,10) in drawing units, so its middle
  is the point (30,10) wherever a document puts the picture. Writes the page from drawing
  x -5..70 and y -5..80 (white beyond the page) to AUS.ppm and prints the pixel of the
  drawing's origin in it, "X0 Y0", as pixel.py takes it. Exits 1 when there is no green line.
"""
import sys

from pixel import lesen

LINKS, RECHTS, UNTEN, OBEN = -5, 70, -5, 80


def main():
    pfad, skala, ziel = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    breite, hoehe, px = lesen(pfad)
    spalten, zeilen = [], []
    weiss = b"\xff" * (3 * breite)
    for j in range(hoehe):
        zeile = px[3 * breite * j:3 * breite * (j + 1)]
        if zeile == weiss:
            continue
        for i in range(breite):
            r, g, b = zeile[3 * i:3 * i + 3]
            if g > 200 and r < 60 and b < 60:
                spalten.append(i)
                zeilen.append(j)
    if not spalten:
        sys.exit(f"{pfad}: keine grüne Linie")
    mitte_x = (min(spalten) + max(spalten)) / 2
    mitte_y = (min(zeilen) + max(zeilen)) / 2
    x0, y0 = mitte_x - 30 * skala, mitte_y + 10 * skala

    i1, j1 = round(x0 + LINKS * skala), round(y0 - OBEN * skala)
    b, h = round((RECHTS - LINKS) * skala), round((OBEN - UNTEN) * skala)
    aus = bytearray(b"\xff" * (3 * b * h))
    for j in range(h):
        if not 0 <= j1 + j < hoehe:
            continue
        von, bis = max(i1, 0), min(i1 + b, breite)
        if von >= bis:
            continue
        k = 3 * (breite * (j1 + j) + von)
        aus[3 * (b * j + von - i1):3 * (b * j + bis - i1)] = px[k:k + 3 * (bis - von)]
    with open(ziel, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (b, h) + bytes(aus))
    print(f"{x0 - i1:.2f} {y0 - j1:.2f}")


if __name__ == "__main__":
    main()
