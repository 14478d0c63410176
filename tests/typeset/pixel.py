#!/usr/bin/env python3
"""Checks pixels of a rendered page (binary PPM) at places given in drawing units.

pixel.py BILD.ppm PX_JE_EINHEIT X0 Y0 PRUEFUNG...
  X0 Y0: pixel of the drawing's origin; drawing y grows upwards.
  farbe:NAME:X,Y:R,G,B[:RADIUS]  some pixel within RADIUS px of (X,Y) has about colour R,G,B
  weiss:NAME:X,Y[:RADIUS]        every pixel within RADIUS px of (X,Y) is about white
  tinte:NAME:X,Y,B,H:R,G,B       the box from (X,Y) of size B by H holds at least 10 pixels of about R,G,B
Exits 1 naming every failed check.
"""
import sys


def lesen(pfad):
    with open(pfad, "rb") as f:
        daten = f.read()
    teile, pos = [], 0
    while len(teile) < 4:
        while daten[pos:pos + 1].isspace():
            pos += 1
        if daten[pos:pos + 1] == b"#":
            pos = daten.index(b"\n", pos)
            continue
        ende = pos
        while not daten[ende:ende + 1].isspace():
            ende += 1
        teile.append(daten[pos:ende])
        pos = ende
    if teile[0] != b"P6" or int(teile[3]) != 255:
        sys.exit(f"{pfad}: kein 8-Bit-PPM")
    breite, hoehe = int(teile[1]), int(teile[2])
    return breite, hoehe, daten[pos + 1:]


def main():
    pfad, skala, x0, y0 = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
    breite, hoehe, px = lesen(pfad)

    def punkt(x, y):
        return round(x0 + x * skala), round(y0 - y * skala)

    def farbe(i, j):
        if not (0 <= i < breite and 0 <= j < hoehe):
            return (255, 255, 255)
        k = 3 * (j * breite + i)
        return tuple(px[k:k + 3])

    def nah(c, soll, tol=90):
        return all(abs(a - b) <= tol for a, b in zip(c, soll))

    def umgebung(i, j, r):
        return [farbe(i + di, j + dj) for di in range(-r, r + 1) for dj in range(-r, r + 1)]

    fehler = []
    for pruefung in sys.argv[5:]:
        art, name, *rest = pruefung.split(":")
        if art == "farbe":
            x, y = map(float, rest[0].split(","))
            soll = tuple(map(int, rest[1].split(",")))
            r = int(rest[2]) if len(rest) > 2 else 2
            i, j = punkt(x, y)
            gefunden = [c for c in umgebung(i, j, r) if nah(c, soll)]
            if not gefunden:
                fehler.append(f"{name}: keine Farbe {soll} um ({x},{y}) = Pixel ({i},{j}); dort {farbe(i, j)}")
        elif art == "weiss":
            x, y = map(float, rest[0].split(","))
            r = int(rest[1]) if len(rest) > 1 else 2
            i, j = punkt(x, y)
            andere = [c for c in umgebung(i, j, r) if not nah(c, (255, 255, 255), 40)]
            if andere:
                fehler.append(f"{name}: nicht weiß um ({x},{y}) = Pixel ({i},{j}): {andere[0]}")
        elif art == "tinte":
            x, y, b, h = map(float, rest[0].split(","))
            soll = tuple(map(int, rest[1].split(",")))
            (i1, j1), (i2, j2) = punkt(x, y + h), punkt(x + b, y)
            zahl = sum(1 for i in range(i1, i2 + 1) for j in range(j1, j2 + 1) if nah(farbe(i, j), soll))
            if zahl < 10:
                fehler.append(f"{name}: nur {zahl} Pixel der Farbe {soll} im Feld ({x},{y}) {b}x{h}")
        else:
            sys.exit(f"unbekannte Prüfung {pruefung}")
    for f in fehler:
        print(f"{pfad}: {f}", file=sys.stderr)
    sys.exit(1 if fehler else 0)


if __name__ == "__main__":
    main()
