#!/usr/bin/env python3
"""Writes the test drawing of the typesetting checks as a native drawing file.

zeichnung.py DATEI [--beispiel]
Unit length 1.5 mm, TeX widths thin 0.4 pt, normal 1.2 pt, thick 3 pt. The elements and their
places are listed in ELEMENTE; the check scripts test the same places. With --beispiel the
drawing also holds BEISPIEL: a text with umlauts and a euro sign, and an open circle too large
for LaTeX's own circles.
"""
import struct
import sys

ROT, GRUEN, BLAU, MAGENTA, SCHWARZ = 0x0000FF, 0x00FF00, 0xFF0000, 0xFF00FF, 0

# (kind, colour, class, data); kinds: line, head (arrowhead stroke), circle, text
ELEMENTE = [
    ("linie", ROT, 0, (5, 5, 55, 5)),
    ("linie", GRUEN, 1, (5, 10, 55, 10)),
    ("linie", BLAU, 2, (5, 15, 55, 15)),
    ("linie", SCHWARZ, -1, (5, 20, 55, 20)),
    ("kreis", SCHWARZ, 1, (15, 30, 8, False)),
    ("kreis", MAGENTA, 2, (35, 30, 6, True)),
    ("linie", SCHWARZ, 1, (40, 35, 55, 35)),
    ("spitze", SCHWARZ, 1, (55, 35, 52, 36.5)),
    ("spitze", SCHWARZ, 1, (52, 33.5, 55, 35)),
    ("text", ROT, 0, (45, 25, "cc", "Hallo")),
    ("text", SCHWARZ, 0, (5, 25, "bl", "X")),
    ("kreis", SCHWARZ, -1, (25, 22, 2, False)),
]
GELOESCHT = ("linie", SCHWARZ, 1, (5, 38, 55, 38))
BEISPIEL = [
    ("text", SCHWARZ, 0, (5, 45, "bl", "Größe 5 €")),
    ("kreis", BLAU, 1, (30, 55, 20, False)),
]


def str10(text):
    b = text.encode("cp1252")[:10]
    return bytes([len(b)]) + b + bytes(10 - len(b))


def kopfsatz():
    k = bytearray(164)
    struct.pack_into("<4h4h", k, 0, 0, 1, 2, 3, 1, 4, 2, 10)
    struct.pack_into("<4h", k, 16, 0, 1, 2, 3)
    for offset, text in ((24, "1.5"), (35, "0.0"), (46, "0.4"), (57, "1.2"), (68, "3")):
        k[offset:offset + 11] = str10(text)
    struct.pack_into("<dd", k, 80, 0.25, 2.0)
    k[96], k[97], k[99] = 1, 1, 1
    struct.pack_into("<4iii", k, 100, -1, 200, 200, -1, 0, 10)
    k[124:135] = str10("0")
    k[135:146] = str10("0")
    return bytes(k)


def element(art, farbe, breite, daten, geloescht=False):
    kopf = lambda code, ebene: struct.pack("<BBBBii", code, 0, 0, int(geloescht), farbe, ebene)
    if art in ("linie", "spitze"):
        return kopf(0 if art == "linie" else 3, 3) + struct.pack("<4dh", *daten, breite)
    if art == "kreis":
        x, y, d, gefuellt = daten
        return kopf(2, 5) + struct.pack("<3dhB", x, y, d, breite, int(gefuellt))
    x, y, ausrichtung, text = daten
    t = text.encode("cp1252")
    return kopf(1, 8) + struct.pack("<2d", x, y) + ausrichtung.encode() + struct.pack("<i", len(t)) + t


def main():
    liste = ELEMENTE + (BEISPIEL if "--beispiel" in sys.argv[2:] else [])
    elemente = [element(*e) for e in liste] + [element(*GELOESCHT, geloescht=True)]
    with open(sys.argv[1], "wb") as f:
        f.write(struct.pack("<i", 10) + b"VEKTRA42  " + kopfsatz())
        f.write(struct.pack("<i", len(elemente)) + b"".join(elemente))


if __name__ == "__main__":
    main()
