#pragma once
// The typeset texts the screen knows, by key (text and preamble): in memory, and on disk in the
// user's cache folder, so a drawing opened again shows its texts at once. A text's picture is
// drawn from its page at the scale and in the colour the screen asks for, and kept until it asks
// for another. Failures stay in memory only: a preamble or a TeX installation put right tries
// them again at the next start.
#include "view/Textsatzlauf.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <string>
#include <unordered_map>

class Textsatzvorrat {
  public:
    struct Eintrag {
        vektra::Satzmass mass;
        QByteArray svg;
        QString fehler; // empty for a typeset text
        // The picture at the scale last asked for, black and in the colour last asked for, and
        // its top left corner from the left end of the baseline, in device pixels.
        double skala = 0;
        qreal verhaeltnis = 0;
        QImage schwarz, bild;
        QRgb farbe = 0;
        QPoint versatz;
    };

    // `ordner` empty keeps nothing on disk.
    explicit Textsatzvorrat(QString ordner);

    // The entry of a key from memory, else from the disk; nothing when the text is not known.
    Eintrag* Finden(const std::string& schluessel);
    // Keeps what a run found; a typeset text also on disk.
    Eintrag& Ablegen(const std::string& schluessel, const Satzfund& fund);
    // The text's picture at `geraetJePunkt` device pixels to the TeX point, in `farbe`, tagged
    // with the canvas's pixel ratio `verhaeltnis`; a null image when its page shows nothing.
    const QImage& Bild(Eintrag& e, double geraetJePunkt, qreal verhaeltnis, QRgb farbe);

    // Whether Bild has the picture at that scale and ratio, or must draw it from the page.
    static bool Bereit(const Eintrag& e, double geraetJePunkt, qreal verhaeltnis) {
        return e.skala == geraetJePunkt && e.verhaeltnis == verhaeltnis;
    }

  private:
    QString Pfad(const std::string& schluessel) const;

    QString ordner_;
    std::unordered_map<std::string, Eintrag> eintraege_;
};
