#!/usr/bin/env python3
"""Pixels of pages rendered by ghostscript (binary PPM) for satz.sh; exits 1 naming what failed.
pixel.py pruefen BILD.ppm PX_JE_EINHEIT X0 Y0 PRUEFUNG...
  Pixels at places in drawing units; X0 Y0 is the pixel of the drawing's origin, y grows upwards.
  farbe:NAME:X,Y:R,G,B[:RADIUS]  some pixel within RADIUS px of (X,Y) has about colour R,G,B
  weiss:NAME:X,Y[:RADIUS]        every pixel within RADIUS px of (X,Y) is about white
  tinte:NAME:X,Y,B,H:R,G,B       the box from (X,Y) of size B by H holds 10 pixels of about R,G,B
pixel.py vergleich A.ppm B.ppm RADIUS ANTEIL NAME
  Every inked (not about white) pixel of one page should have one of about its colour within
  RADIUS px on the other, both ways; no more than ANTEIL (0..1) of either page's ink may lack it.
pixel.py ursprung SEITE.ppm PX_JE_EINHEIT
  Prints "X0 Y0", the pixel of the test drawing's origin wherever a document put it, found by its one
  green line, whose middle is (30,10).
"""
import re
import sys


class Seite:
    def __init__(self, pfad):
        daten = open(pfad, "rb").read()
        kopf = re.match(rb"P6(?:\s|#.*\n)+(\d+)(?:\s|#.*\n)+(\d+)(?:\s|#.*\n)+255\s", daten)
        if not kopf:
            sys.exit(f"{pfad}: kein 8-Bit-PPM")
        self.breite, self.hoehe, px = int(kopf[1]), int(kopf[2]), daten[kopf.end():]
        self.zeilen = [px[3 * self.breite * j:3 * self.breite * (j + 1)] for j in range(self.hoehe)]

    def farbe(self, i, j):
        innen = 0 <= i < self.breite and 0 <= j < self.hoehe
        return tuple(self.zeilen[j][3 * i:3 * i + 3]) if innen else (255, 255, 255)

    def punkte(self, passt):
        """{(i, j): colour} of the pixels whose colour `passt`; white rows are skipped whole."""
        weiss = b"\xff" * (3 * self.breite)
        return {(i, j): c for j, zeile in enumerate(self.zeilen) if zeile != weiss
                for i in range(self.breite) if passt(c := tuple(zeile[3 * i:3 * i + 3]))}


def nah(c, soll, tol=90):
    return all(abs(a - b) <= tol for a, b in zip(c, soll))


def pruefen(pfad, skala, x0, y0, *pruefungen):
    s, skala, x0, y0 = Seite(pfad), float(skala), float(x0), float(y0)

    def punkt(x, y):
        return round(x0 + x * skala), round(y0 - y * skala)

    fehler = []
    for pruefung in pruefungen:
        art, name, ort, *rest = pruefung.split(":")
        zahlen = list(map(float, ort.split(",")))
        soll = tuple(map(int, rest.pop(0).split(","))) if art != "weiss" else (255, 255, 255)
        i, j = punkt(*zahlen[:2])
        r = int(rest[0]) if rest else 2
        umgebung = [s.farbe(i + di, j + dj) for di in range(-r, r + 1) for dj in range(-r, r + 1)]
        if art == "farbe" and not any(nah(c, soll) for c in umgebung):
            fehler.append(f"{name}: keine Farbe {soll} um {ort} = Pixel ({i},{j}); dort {s.farbe(i, j)}")
        elif art == "weiss" and (andere := [c for c in umgebung if not nah(c, soll, 40)]):
            fehler.append(f"{name}: nicht weiß um {ort} = Pixel ({i},{j}): {andere[0]}")
        elif art == "tinte":
            x, y, b, h = zahlen
            (i1, j1), (i2, j2) = punkt(x, y + h), punkt(x + b, y)
            zahl = sum(nah(s.farbe(i, j), soll) for i in range(i1, i2 + 1) for j in range(j1, j2 + 1))
            if zahl < 10:
                fehler.append(f"{name}: nur {zahl} Pixel der Farbe {soll} im Feld {ort}")
        elif art not in ("farbe", "weiss", "tinte"):
            sys.exit(f"unbekannte Prüfung {pruefung}")
    return [f"{pfad}: {f}" for f in fehler]


def vergleich(pfad_a, pfad_b, r, anteil, name):
    a, b, r = Seite(pfad_a), Seite(pfad_b), int(r)
    if (a.breite, a.hoehe) != (b.breite, b.hoehe):
        return [f"{name}: Seiten verschieden groß: {a.breite}x{a.hoehe} und {b.breite}x{b.hoehe}"]
    ta, tb = (s.punkte(lambda c: min(c) < 200) for s in (a, b))
    if not ta or not tb:
        return [f"{name}: eine Seite ist leer ({len(ta)} und {len(tb)} Pixel Tinte)"]
    fehler = []
    for seite, von, nach in ((pfad_a, ta, tb), (pfad_b, tb, ta)):
        ohne = [(i, j) for (i, j), c in von.items() if not any(
            (d := nach.get((i + di, j + dj))) and nah(c, d, 100) for di in range(-r, r + 1) for dj in range(-r, r + 1))]
        if len(ohne) > float(anteil) * len(von):
            fehler.append(f"{name}: {len(ohne)} von {len(von)} Pixeln aus {seite} ohne Gegenstück, etwa {ohne[:5]}")
    return fehler


def ursprung(pfad, skala):
    gruen = Seite(pfad).punkte(lambda c: c[1] > 200 and c[0] < 60 and c[2] < 60)
    if not gruen:
        return [f"{pfad}: keine grüne Linie"]
    spalten, zeilen, skala = [i for i, _ in gruen], [j for _, j in gruen], float(skala)
    print((min(spalten) + max(spalten)) / 2 - 30 * skala, (min(zeilen) + max(zeilen)) / 2 + 10 * skala)
    return []


if __name__ == "__main__":
    fehler = {"pruefen": pruefen, "vergleich": vergleich, "ursprung": ursprung}[sys.argv[1]](*sys.argv[2:])
    sys.exit("\n".join(fehler) or None)
