#pragma once
// The real main window for the window tests. Its choosers, dialogs, messages and questions are
// scripted; its settings and files live in temporary folders; a shown one has an uneven origin
// (so x and y cannot be confused) and takes pointer gestures in drawing units. Drawings are set
// up and compared in a short notation:
//
//   L x1,y1,x2,y2   line          P x1,y1,x2,y2   arrowhead stroke
//   K x,y,d         circle        F x,y,d         filled circle
//   T x,y,al,text   text (no blanks or commas in it)
//
// each written without blanks, optionally followed by ":" and p (picked), d (deleted),
// b<class> (width other than 1) and f<hex> (colour other than 0), elements separated by blanks.
#include "Elementbau.h"
#include "Testprogramm.h"
#include "files/Dateibefehle.h"
#include "files/Zeichnungsdatei.h"
#include "main/TForm1.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <deque>
#include <functional>
#include <map>
#include <sstream>

using namespace Qt::StringLiterals;
using vektra::Antwort;

// How a scripted dialog is closed: by its OK button, its cancel button, Escape or the frame.
enum class Schluss { Ok, Abbruch, Esc, Rahmen };

class Skriptfenster : public TForm1 {
  public:
    // Files the choosers return, in order; an exhausted list cancels. How many were shown.
    QStringList dateien;
    int dateidialoge = 0;
    // Answers to questions, in order; an exhausted list cancels.
    std::deque<Antwort> antworten;
    // One step for each closing attempt of a shown dialog: fill it, then close it so. A dialog
    // without a step left is closed by Escape.
    struct Schritt {
        std::function<void(QDialog&)> fuellen;
        Schluss schluss = Schluss::Ok;
    };
    std::deque<Schritt> dialoge;
    // The colour the chooser returns (none cancels it), and the colours it started from.
    std::optional<QColor> farbe;
    QList<QColor> farbanfaenge;
    QStringList meldungen, fragen;

    void Melden(vektra::Meldungsart, const std::string& text, int) override {
        meldungen << QString::fromStdString(text);
    }
    Antwort Fragen(vektra::Meldungsart, const std::string& text, vektra::Knoepfe) override {
        fragen << QString::fromStdString(text);
        if (antworten.empty()) return Antwort::Abbruch;
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    QString OeffnenDialog(const QString&, const QString&, const QString&) override { return Gewaehlt(); }
    QString SpeichernDialog(const QString&, const QString&, const QString&) override { return Gewaehlt(); }
    std::optional<QColor> FarbeWaehlen(const QColor& anfang) override {
        farbanfaenge << anfang;
        return farbe;
    }
    int DialogAusfuehren(QDialog& d) override {
        d.show();
        for (int versuch = 0; d.isVisible(); ++versuch) {
            if (versuch == 10) qFatal("%s stays open", qPrintable(d.objectName()));
            Schritt s = dialoge.empty() ? Schritt{{}, Schluss::Esc} : dialoge.front();
            if (!dialoge.empty()) dialoge.pop_front();
            if (s.fuellen) s.fuellen(d);
            Schliessen(d, s.schluss);
        }
        return d.result();
    }

  private:
    QString Gewaehlt() {
        ++dateidialoge;
        return dateien.isEmpty() ? QString() : dateien.takeFirst();
    }
    static void Schliessen(QDialog& d, Schluss s) {
        // The closing buttons of the program's dialogs: OK, and cancel where there is one.
        static const std::map<QString, std::pair<const char*, const char*>> knoepfe{
            {u"Skalierform"_s, {"OK", "Abbruch"}},          {u"Drehform"_s, {"Button1", "Button2"}},
            {u"Kurvenform"_s, {"Button1", "Button2"}},      {u"Textein"_s, {"BitBtn2", "BitBtn1"}},
            {u"Clipform"_s, {"Button1", nullptr}},          {u"Kreisform"_s, {"BitBtn1", nullptr}},
            {u"Einstellungen"_s, {"SpeedButton1", nullptr}}};
        if (s == Schluss::Esc) return QTest::keyClick(&d, Qt::Key_Escape);
        if (s == Schluss::Rahmen) return void(d.close());
        const auto& [ok, abbruch] = knoepfe.at(d.objectName());
        QTest::mouseClick(d.findChild<QPushButton*>(QString::fromLatin1(s == Schluss::Ok ? ok : abbruch)),
                          Qt::LeftButton);
    }
};

inline QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool Schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Appends the elements a notation names.
inline void Zeichnen(vektra::Zeichnung& z, const QString& notation) {
    for (const QString& teil : notation.split(u' ', Qt::SkipEmptyParts)) {
        const QString kopf = teil.section(u':', 0, 0), merkmale = teil.section(u':', 1);
        const QStringList w = kopf.mid(1).split(u',');
        const auto n = [&](int i) { return w.value(i).toDouble(); };
        const QChar art = kopf[0];
        vektra::TElement& e = art == u'K' || art == u'F' ? NeuerKreis(z, n(0), n(1), n(2), art == u'F')
                              : art == u'T' ? NeuerText(z, n(0), n(1), w.value(3).toLatin1().toStdString(),
                                                        w.value(2).toStdString())
                                            : NeuerStrich(z, n(0), n(1), n(2), n(3), 1, 0,
                                                          art == u'P' ? vektra::Pfeilspitze : vektra::Linie);
        e.gepickt = merkmale.contains(u'p');
        e.geloescht = merkmale.contains(u'd');
        if (const qsizetype b = merkmale.indexOf(u'b'); b >= 0)
            e.Breite =
                static_cast<std::int16_t>(merkmale.mid(b + 1, merkmale[b + 1] == u'-' ? 2 : 1).toInt());
        if (const qsizetype f = merkmale.indexOf(u'f'); f >= 0)
            e.Farbe = merkmale.mid(f + 1).toInt(nullptr, 16);
    }
}

// A coordinate to a millionth, so rounding noise of a computation does not show.
inline QString Zahl(double v) {
    v = std::round(v * 1e6) / 1e6;
    return QString::number(v == 0 ? 0 : v, 'g', 10);
}

// The drawing in the notation, elements in store order.
inline QString Kurz(const vektra::Zeichnung& z) {
    QStringList teile;
    for (const vektra::TElement& e : z.Elemente) {
        QString t;
        if (e.Art == vektra::Kreis)
            t = (e.gefuellt ? u"F"_s : u"K"_s) + Zahl(e.x1) + u',' + Zahl(e.y1) + u',' + Zahl(e.Durchmesser);
        else if (e.Art == vektra::Text)
            t = u"T"_s + Zahl(e.x1) + u',' + Zahl(e.y1) + u',' + QString::fromStdString(e.Ausrichtung.str()) +
                u',' + QString::fromLatin1(e.Text.str());
        else
            t = (e.Art == vektra::Pfeilspitze ? u"P"_s : u"L"_s) + Zahl(e.x1) + u',' + Zahl(e.y1) + u',' +
                Zahl(e.x2) + u',' + Zahl(e.y2);
        QString m = QString(e.gepickt ? u"p"_s : QString()) + (e.geloescht ? u"d"_s : QString());
        if (e.Art != vektra::Text && e.Breite != 1) m += u"b"_s + QString::number(e.Breite);
        if (e.Farbe != 0) m += u"f"_s + QString::number(e.Farbe, 16);
        teile << (m.isEmpty() ? t : t + u':' + m);
    }
    return teile.join(u' ');
}

// The smallest box holding every point of every element, "xmin,ymin xmax,ymax".
inline QString Umfang(const vektra::Zeichnung& z) {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (const vektra::TElement& e : z.Elemente)
        for (const auto& [x, y] :
             {std::pair(e.x1, e.y1), std::pair(e.istStrich() ? e.x2 : e.x1, e.istStrich() ? e.y2 : e.y1)}) {
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    return Zahl(x0) + u',' + Zahl(y0) + u' ' + Zahl(x1) + u',' + Zahl(y1);
}

// The dialog's field that has the focus, with its selected text: "name:text".
inline QString Fokus(QDialog& d) {
    const auto* feld = qobject_cast<QLineEdit*>(d.focusWidget());
    return feld ? feld->objectName() + u':' + feld->selectedText() : QString();
}

// The counts status panel 2 must show for the store.
inline QString Zaehler(const vektra::Elementspeicher& s) {
    return u"%1  Elemente, %2  gewählt, %3 gelöscht"_s.arg(s.Anzahl())
        .arg(s.GepickteZahl())
        .arg(s.GeloeschteZahl());
}

// The bytes a save would write, settings included.
inline std::string Bytes(vektra::Zeichnung z) {
    std::ostringstream aus;
    vektra::ZeichnungSchreiben(aus, z);
    return aus.str();
}

// The rows of the table `name` in tests/data/faelle/fenster.txt: the lines after the "--- faelle"
// of its case "### name" up to the next case, each split at "|".
inline QList<QStringList> Tabelle(const char* name) {
    QList<QStringList> zeilen;
    int stand = 0; // 1 in the case, 2 in its rows
    for (const QByteArray& z : Inhalt(QStringLiteral(VEKTRA_TESTDATA "/faelle/fenster.txt")).split('\n')) {
        const QString t = QString::fromUtf8(z);
        if (t.startsWith(u"### "_s))
            stand = t.mid(4) == QLatin1StringView(name);
        else if (stand && t == u"--- faelle"_s)
            stand = 2;
        else if (stand == 2 && !t.isEmpty())
            zeilen << t.split(u'|');
    }
    if (zeilen.isEmpty()) qFatal("no table %s", name);
    return zeilen;
}

// Keeps settings and the cache in a store of the test's own, away from the user's and from every other test
// program running at the same time, and files in a temporary folder.
struct Testumgebung {
    QTemporaryDir konfig, ordner;
    Testumgebung() {
        if (!konfig.isValid() || !ordner.isValid()) qFatal("no temporary folder");
        qputenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit());
        qputenv("XDG_CACHE_HOME", QDir(konfig.path()).filePath(u"cache"_s).toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, konfig.path());
    }
    QString Datei(const QString& name) const { return QDir(ordner.path()).filePath(name); }
};

// A shown window of 900 x 640 pixels with its origin at (-3,-7), in neutral mode and unchanged.
struct Fenster : Testumgebung {
    Skriptfenster f;

    explicit Fenster(const QString& zeichnung = {}) {
        f.resize(900, 640);
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) qFatal("window not exposed");
        // The resizes of showing settle, so no redraw for them comes in between later.
        QCoreApplication::processEvents();
        std::tie(f.Sicht().NullX, f.Sicht().NullY) = std::pair(-3, -7);
        Zeichnen(Z(), zeichnung);
        f.zeichneneu();
        Z().Geaendert = false;
    }
    vektra::Zeichnung& Z() { return f.Dokument(); }
    vektra::TElement& E(int i) { return Z().Elemente[i]; }
    QString Kurz() { return ::Kurz(Z()); }
    MyDraw* ZF() { return f.Zeichenflaeche(); }
    const QImage& Bild() { return ZF()->Flaeche().Image(); }
    Modus M() { return f.AktuellerModus(); }
    unsigned Generation() { return f.Painter().Generation(); }
    QString Status(int i) { return f.Statusfeld(i)->text(); }
    template <class W = QWidget> W* Teil(const char* name) {
        return f.findChild<W*>(QString::fromLatin1(name));
    }
    void Menue(const char* name) { Teil<QAction>(name)->trigger(); }
    void Knopf(const char* name) { QTest::mouseClick(Teil<QToolButton>(name), Qt::LeftButton); }
    void Taste(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(ZF(), k, m); }

    // The pixel of a drawing point, not snapped.
    QPoint Pixel(double x, double y) {
        const vektra::Ansicht& v = f.Sicht();
        return QPoint(int(std::lround((x - v.NullX) * v.Skala())),
                      int(std::lround(v.Hoehe - (y - v.NullY) * v.Skala())));
    }
    void Druecken(double x, double y, Qt::MouseButton k = Qt::LeftButton) {
        QTest::mousePress(ZF(), k, {}, Pixel(x, y));
    }
    void Bewegen(double x, double y) { QTest::mouseMove(ZF(), Pixel(x, y)); }
    void Loslassen(double x, double y, Qt::MouseButton k = Qt::LeftButton) {
        QTest::mouseRelease(ZF(), k, {}, Pixel(x, y));
    }
    void Klick(double x, double y) { Druecken(x, y), Loslassen(x, y); }
    // Press, move on the way, release.
    void Ziehen(double x1, double y1, double x2, double y2) {
        Druecken(x1, y1);
        Bewegen((x1 + x2) / 2, (y1 + y2) / 2);
        Bewegen(x2, y2);
        Loslassen(x2, y2);
    }
    // Runs commands separated by "; ": menue, knopf and taste (keys as Qt writes them, "Ctrl+Z")
    // with their names; klick X Y and ziehen X1 Y1 X2 Y2 in drawing units; datei NAME for the
    // next chooser; antwort ja|nein for the next question; farbe #RRGGBB|keine chosen at the
    // colour field; breite I chosen in the width list; dialog for the next dialog, its words
    // FELD=TEXT set as Setzen does and abbruch, esc or rahmen for how it is closed; neu redraws.
    void Skript(const QString& skript) {
        for (const QString& befehl : skript.split(u"; "_s, Qt::SkipEmptyParts)) {
            QStringList w = befehl.split(u' ');
            const QString was = w.takeFirst();
            const auto n = [&](int i) { return w.value(i).toDouble(); };
            if (was == u"menue"_s)
                Menue(qPrintable(w[0]));
            else if (was == u"knopf"_s)
                Knopf(qPrintable(w[0]));
            else if (was == u"taste"_s)
                Taste(QKeySequence::fromString(w[0])[0].key(),
                      QKeySequence::fromString(w[0])[0].keyboardModifiers());
            else if (was == u"klick"_s)
                Klick(n(0), n(1));
            else if (was == u"ziehen"_s)
                Ziehen(n(0), n(1), n(2), n(3));
            else if (was == u"datei"_s)
                f.dateien << Datei(w[0]);
            else if (was == u"antwort"_s)
                f.antworten.push_back(w[0] == u"ja"_s ? Antwort::Ja : Antwort::Nein);
            else if (was == u"farbe"_s) {
                f.farbe = w[0] == u"keine"_s ? std::nullopt : std::optional(QColor(w[0]));
                QTest::mouseClick(Teil<QLabel>("Label1"), Qt::LeftButton);
            } else if (was == u"breite"_s)
                emit Teil<QComboBox>("Linienbreite")->activated(w[0].toInt());
            else if (was == u"dialog"_s) {
                const Schluss s = w.contains(u"abbruch"_s)  ? Schluss::Abbruch
                                  : w.contains(u"esc"_s)    ? Schluss::Esc
                                  : w.contains(u"rahmen"_s) ? Schluss::Rahmen
                                                            : Schluss::Ok;
                f.dialoge.push_back({[w](QDialog& d) {
                                         for (const QString& feld : w)
                                             if (feld.contains(u'='))
                                                 Setzen(d, feld.section(u'=', 0, 0),
                                                        feld.mid(feld.indexOf(u'=') + 1));
                                     },
                                     s});
            } else if (was == u"neu"_s)
                f.zeichneneu();
            else
                qFatal("unknown command %s", qPrintable(befehl));
        }
    }
    // A field of a dialog by name: a line edit typed over and left as the focus moves on, a spin
    // box set to the number, a button checked by "1".
    static void Setzen(QDialog& d, const QString& name, const QString& text) {
        if (auto* e = d.findChild<QLineEdit*>(name)) {
            e->setText(text);
            emit e->editingFinished();
        } else if (auto* s = d.findChild<QSpinBox*>(name))
            s->setValue(text.toInt());
        else if (auto* b = d.findChild<QAbstractButton*>(name))
            b->setChecked(text == u"1"_s);
        else
            qFatal("no field %s", qPrintable(name));
    }
    // A line edit of a dialog typed over, and left as the focus moves on.
    static void Tippen(QDialog& d, const char* feld, const QString& text) {
        d.findChild<QLineEdit*>(QString::fromLatin1(feld))->setText(text);
    }
    static void Verlassen(QDialog& d, const char* feld, const QString& text) {
        QLineEdit* e = d.findChild<QLineEdit*>(QString::fromLatin1(feld));
        e->setText(text);
        emit e->editingFinished();
    }
};
