#!/usr/bin/env python3
"""Pixels of rendered pages (binary PPM) for the typesetting checks. Each command exits 1 naming
what failed.

pixel.py pruefen BILD.ppm PX_JE_EINHEIT X0 Y0 PRUEFUNG...
  Pixels at places in drawing units; X0 Y0 is the pixel of the drawing's origin, y grows upwards.
  farbe:NAME:X,Y:R,G,B[:RADIUS]  some pixel within RADIUS px of (X,Y) has about colour R,G,B
  weiss:NAME:X,Y[:RADIUS]        every pixel within RADIUS px of (X,Y) is about white
  tinte:NAME:X,Y,B,H:R,G,B       the box from (X,Y) of size B by H holds 10 pixels of about R,G,B
pixel.py vergleich A.ppm B.ppm RADIUS ANTEIL NAME
  Every inked (not about white) pixel of one page should have one of about its colour within
  RADIUS px on the other, both ways; no more than ANTEIL (0..1) of either page's ink may lack it.
pixel.py ausschnitt SEITE.ppm PX_JE_EINHEIT AUS.ppm
  Finds the drawing of zeichnung.py by its one green line, whose middle is the point (30,10),
  wherever a document put it. Writes the page from drawing x -5..70, y -5..80 (white beyond the
  page) to AUS.ppm and prints the pixel of the drawing's origin in it, "X0 Y0".
"""
import sys


class Seite:
    def __init__(self, pfad):
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
        self.breite, self.hoehe, self.px = int(teile[1]), int(teile[2]), daten[pos + 1:]

    def farbe(self, i, j):
        if not (0 <= i < self.breite and 0 <= j < self.hoehe):
            return (255, 255, 255)
        k = 3 * (j * self.breite + i)
        return tuple(self.px[k:k + 3])

    def punkte(self, passt):
        """{(i, j): colour} of the pixels whose colour `passt`; white rows are skipped whole."""
        weiss, n = b"\xff" * (3 * self.breite), 3 * self.breite
        gefunden = {}
        for j in range(self.hoehe):
            zeile = self.px[n * j:n * (j + 1)]
            if zeile != weiss:
                for i in range(self.breite):
                    c = tuple(zeile[3 * i:3 * i + 3])
                    if passt(c):
                        gefunden[(i, j)] = c
        return gefunden


def nah(c, soll, tol=90):
    return all(abs(a - b) <= tol for a, b in zip(c, soll))


def pruefen(pfad, skala, x0, y0, *pruefungen):
    s, skala, x0, y0 = Seite(pfad), float(skala), float(x0), float(y0)

    def punkt(x, y):
        return round(x0 + x * skala), round(y0 - y * skala)

    def umgebung(i, j, r):
        return [s.farbe(i + di, j + dj) for di in range(-r, r + 1) for dj in range(-r, r + 1)]

    fehler = []
    for pruefung in pruefungen:
        art, name, ort, *rest = pruefung.split(":")
        zahlen = list(map(float, ort.split(",")))
        soll = tuple(map(int, rest.pop(0).split(","))) if art != "weiss" else (255, 255, 255)
        i, j = punkt(*zahlen[:2])
        r = int(rest[0]) if rest else 2
        if art == "farbe" and not any(nah(c, soll) for c in umgebung(i, j, r)):
            fehler.append(f"{name}: keine Farbe {soll} um {ort} = Pixel ({i},{j}); dort {s.farbe(i, j)}")
        elif art == "weiss" and (andere := [c for c in umgebung(i, j, r) if not nah(c, soll, 40)]):
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
    umgebung = [(di, dj) for di in range(-r, r + 1) for dj in range(-r, r + 1)]
    fehler = []
    for seite, von, nach in ((pfad_a, ta, tb), (pfad_b, tb, ta)):
        ohne = [(i, j) for (i, j), c in von.items()
                if not any((d := nach.get((i + di, j + dj))) and nah(c, d, 100) for di, dj in umgebung)]
        if len(ohne) > float(anteil) * len(von):
            fehler.append(f"{name}: {len(ohne)} von {len(von)} Pixeln aus {seite} ohne Gegenstück, etwa {ohne[:5]}")
    return fehler


def ausschnitt(pfad, skala, ziel):
    s, skala = Seite(pfad), float(skala)
    gruen = s.punkte(lambda c: c[1] > 200 and c[0] < 60 and c[2] < 60)
    if not gruen:
        return [f"{pfad}: keine grüne Linie"]
    spalten, zeilen = [i for i, _ in gruen], [j for _, j in gruen]
    x0 = (min(spalten) + max(spalten)) / 2 - 30 * skala
    y0 = (min(zeilen) + max(zeilen)) / 2 + 10 * skala
    i1, j1 = round(x0 - 5 * skala), round(y0 - 80 * skala)
    b, h = round(75 * skala), round(85 * skala)
    aus = bytearray(b"\xff" * (3 * b * h))
    for j in range(max(0, -j1), min(h, s.hoehe - j1)):
        von, bis = max(i1, 0), min(i1 + b, s.breite)
        k = 3 * (s.breite * (j1 + j) + von)
        if von < bis:
            aus[3 * (b * j + von - i1):3 * (b * j + bis - i1)] = s.px[k:k + 3 * (bis - von)]
    with open(ziel, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (b, h) + bytes(aus))
    print(f"{x0 - i1:.2f} {y0 - j1:.2f}")
    return []


if __name__ == "__main__":
    fehler = {"pruefen": pruefen, "vergleich": vergleich, "ausschnitt": ausschnitt}[sys.argv[1]](*sys.argv[2:])
    for f in fehler:
        print(f, file=sys.stderr)
    sys.exit(1 if fehler else 0)
