// Texts as LaTeX sets them, with the real latex and dvisvgm: what the screen shows and keeps, how
// it fails, and that its texts stand where the picture export typeset by latex and dvips puts them.
#include "view/Textsatz.h"
#include "Fenster.h"
#include "files/LatexExport.h"
#include "main/Fensterspeicher.h"
#include "main/TEinstellungen.h"
#include "text/Qtext.h"
#include "view/Leinwand.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>

namespace {

// Runs of real TeX end long before this; a run that hangs fails the test instead of holding it.
constexpr int Satzwarten = 120000;

bool OhneTeX() {
    return QStandardPaths::findExecutable(u"latex"_s).isEmpty() ||
           QStandardPaths::findExecutable(u"dvisvgm"_s).isEmpty();
}

// A drawing at unit length 1 mm shown "wie vorhanden", and a canvas to paint its texts on.
struct Satzstand {
    vektra::Zeichnung z;
    vektra::Ansicht a;
    QTemporaryDir cache;
    Leinwand l;
    Satzstand() {
        z.Kopf.Textanzeige = 1;
        z.Dialog.Unitlength = "1";
        a.Hoehe = 300;
        l.Resize(400, 300);
    }
    vektra::TElement& Text(const std::string& t, const char* ausrichtung = "cc") {
        return NeuerText(z, 10, 10, t, ausrichtung);
    }
    // Which texts the canvas could set typeset: "1" or "0" each.
    QString Gesetzt(Textsatz& s) {
        QString t;
        for (const vektra::TElement& e : z.Elemente)
            t += s.Malen(l, e, QPoint(50, 50), Qt::black) ? u'1' : u'0';
        return t;
    }
    static bool Warten(const Textsatz& s) {
        return QTest::qWaitFor([&] { return !s.Beschaeftigt(); }, Satzwarten);
    }
};

QString Box(const Textsatz& s, const vektra::TElement& e) {
    const auto b = s.Box(e);
    if (!b) return u"keine"_s;
    return u"%1 %2 %3 %4"_s.arg(b->links, 0, 'f', 4)
        .arg(b->unten, 0, 'f', 4)
        .arg(b->rechts, 0, 'f', 4)
        .arg(b->oben, 0, 'f', 4);
}

// The ink (grey below 192, so the antialiased edges of the screen count as the page's pixels that glyphs only
// touch) of an image in the area 2 breit by 2 hoch around a pixel: its box, or an empty one.
QRect Tinte(const QImage& bild, QPoint mitte, int breit, int hoch) {
    const QImage grau = bild.convertToFormat(QImage::Format_Grayscale8);
    int l = INT_MAX, o = INT_MAX, r = INT_MIN, u = INT_MIN;
    for (int y = std::max(0, mitte.y() - hoch); y <= std::min(grau.height() - 1, mitte.y() + hoch); ++y)
        for (int x = std::max(0, mitte.x() - breit); x <= std::min(grau.width() - 1, mitte.x() + breit); ++x)
            if (grau.constScanLine(y)[x] < 192)
                l = std::min(l, x), o = std::min(o, y), r = std::max(r, x), u = std::max(u, y);
    return l > r ? QRect() : QRect(QPoint(l, o), QPoint(r, u));
}

// The drawing's origin on a page: the middle of the ink of the filled circle there, the lowest
// ink of the page.
QPointF Ursprung(const QImage& bild) {
    const QImage grau = bild.convertToFormat(QImage::Format_Grayscale8);
    for (int y = grau.height() - 1; y >= 0; --y)
        for (int x = 0; x < grau.width(); ++x)
            if (grau.constScanLine(y)[x] < 128) return QRectF(Tinte(bild, QPoint(x, y - 9), 14, 14)).center();
    return {};
}

} // namespace

class TextsatzTest : public QObject {
    Q_OBJECT
  private slots:
    void schalterUndPraeambelBleibenBeimNutzer() {
        Fenster w(u"T5,5,cc,a"_s);
        w.Menue("TexteGesetzt1");
        QCOMPARE(Fensterspeicher().WahrheitLesen(u"Texte_gesetzt"_s), std::optional(true));
        // The settings dialog's preamble, kept with the switch; the drawing is not changed.
        w.f.dialoge.push_back(
            {[](QDialog& d) {
                 d.findChild<QPlainTextEdit*>(u"Praeambel"_s)->setPlainText(u"\\documentclass{book}"_s);
             },
             Schluss::Ok});
        w.Menue("Ansicht1");
        QCOMPARE(Fensterspeicher().TextLesen(u"Praeambel"_s), std::optional(u"\\documentclass{book}"_s));
        QCOMPARE(std::pair(w.Z().Geaendert, w.Teil<QAction>("Rckgngig1")->isEnabled()),
                 std::pair(false, false));
        // A window opened later shows texts typeset with that preamble.
        Skriptfenster zweites;
        QVERIFY(zweites.findChild<QAction*>(u"TexteGesetzt1"_s)->isChecked());
        QCOMPARE(zweites.findChild<QPlainTextEdit*>(u"Praeambel"_s)->toPlainText(),
                 u"\\documentclass{book}"_s);
        QCOMPARE(zweites.Painter().Satz->Praeambel(), std::string("\\documentclass{book}"));
    }

    void gesetztGezeigtGemerktUndNeuGesetzt() {
        if (OhneTeX()) QSKIP("latex or dvisvgm is missing (scripts/install-deps installs them)");
        Satzstand t;
        vektra::TElement& hallo = t.Text("Hallo");
        t.Text("\\undefiniert x");
        t.Text("50%");
        t.Text("");
        t.Text("Gr\xf6\xdf"
               "e",
               "tl");
        Textsatz s(t.z, t.a, t.cache.path());
        s.Malbudget = Satzwarten;
        QCOMPARE(t.Gesetzt(s), u"00000"_s);
        s.Einschalten(true);
        // Everything unknown goes into one run of latex and dvisvgm.
        QCOMPARE(t.Gesetzt(s), u"00000"_s);
        QVERIFY(Satzstand::Warten(s));
        QCOMPARE(std::tuple(t.Gesetzt(s), s.Laeufe(), s.Prozesse()), std::tuple(u"10001"_s, 1, 2));
        QCOMPARE(s.Fehler(t.z.Elemente[2]), u"LaTeX: Undefined control sequence. \\undefiniert"_s);
        QCOMPARE(s.Fehler(t.z.Elemente[3]), Tq("v.SatzZeilenende"));
        // cmr10's "Hallo" is 23.05562 pt wide and 6.94444 pt high, at 2.84528 pt to the unit.
        QCOMPARE(Box(s, hallo), u"-4.0516 -1.2203 4.0516 1.2203"_s);
        QCOMPARE(Box(s, t.z.Elemente[5]).section(u' ', 0, 1), u"0.0000 -2.4407"_s);
        QCOMPARE(Box(s, t.z.Elemente[2]), u"keine"_s);

        // An edited text is typeset alone; the others stay as they are.
        hallo.TextSetzen("Hallo Welt");
        QCOMPARE(t.Gesetzt(s), u"00001"_s);
        QVERIFY(Satzstand::Warten(s));
        QCOMPARE(std::tuple(t.Gesetzt(s), s.Laeufe(), s.Prozesse()), std::tuple(u"10001"_s, 2, 4));
        // With the kern between "W" and "e".
        QCOMPARE(Box(s, hallo).section(u' ', 0, 0), u"-8.2496"_s);

        // Another program run finds the typeset texts on disk. A redraw without time to draw the
        // pictures from their pages shows the texts plain and asks for another.
        Textsatz wieder(t.z, t.a, t.cache.path());
        wieder.Einschalten(true);
        wieder.Malbudget = -1;
        QSignalSpy nochmal(&wieder, &Textsatz::neuGesetzt);
        QCOMPARE(t.Gesetzt(wieder), u"00000"_s);
        QVERIFY(nochmal.wait(Satzwarten));
        wieder.Malbudget = Satzwarten;
        // The failed text, kept in memory only, is tried again.
        QCOMPARE(std::tuple(t.Gesetzt(wieder), wieder.Beschaeftigt()), std::tuple(u"10001"_s, true));
        // Another preamble typesets anew.
        wieder.PraeambelSetzen(u"\\documentclass[12pt]{article}"_s);
        QCOMPARE(t.Gesetzt(wieder), u"00000"_s);
        // Not "wie vorhanden", or at a unit length that is no length, texts stay plain.
        s.Einschalten(true);
        for (auto [anzeige, unitlength] : {std::pair(0, "1"), {3, "1"}, {1, "x"}}) {
            t.z.Kopf.Textanzeige = static_cast<std::int16_t>(anzeige);
            t.z.Dialog.Unitlength = unitlength;
            QCOMPARE(t.Gesetzt(s), u"00000"_s);
            QCOMPARE(Box(s, hallo), u"keine"_s);
        }
    }

    void einTextInDerSchleifeHaeltDieAnderenNichtAuf() {
        if (OhneTeX()) QSKIP("latex or dvisvgm is missing (scripts/install-deps installs them)");
        Satzstand t;
        t.Text("a");
        t.Text("\\def\\x{\\x}\\x");
        t.Text("b");
        Textsatz s(t.z, t.a, t.cache.path());
        s.Malbudget = Satzwarten;
        s.ProgrammeSetzen({.grundzeitMs = 4000});
        s.Einschalten(true);
        t.Gesetzt(s);
        QVERIFY(Satzstand::Warten(s));
        // The text after the one that hung goes into a second run.
        QCOMPARE(std::tuple(t.Gesetzt(s), s.Laeufe()), std::tuple(u"101"_s, 2));
        QCOMPARE(s.Fehler(t.z.Elemente[2]), u"LaTeX hat nach 5 Sekunden nicht geendet."_s);
    }

    void ohneTeXEinmalGesagtUndUngesetzt() {
        Fenster w(u"T5,5,cc,a T9,9,cc,b"_s);
        w.f.Painter().Satz->ProgrammeSetzen({.latex = u"vektra-ohne-latex"_s});
        w.Menue("TexteGesetzt1");
        QTRY_COMPARE_WITH_TIMEOUT(w.f.meldungen.size(), 1, Satzwarten);
        w.f.zeichneneu();
        QCoreApplication::processEvents();
        QCOMPARE(w.f.meldungen.size(), 1);
        QVERIFY2(w.f.meldungen[0].startsWith(u"vektra-ohne-latex lässt sich nicht starten ("_s),
                 qPrintable(w.f.meldungen[0]));
        QVERIFY(!w.f.Painter().Satz->Beschaeftigt());
        QVERIFY(!w.f.Painter().Satz->Box(w.E(1)));
    }

    void tintePlatziertWieImExportBeiZoom4() {
        if (OhneTeX()) QSKIP("latex or dvisvgm is missing (scripts/install-deps installs them)");
        // Math, umlauts and the alignments, 40 units apart, and a filled circle at the origin.
        struct Probe {
            double x, y;
            const char *ausrichtung, *text;
        };
        const Probe proben[] = {{20, 15, "cc", "$\\alpha_1 = \\frac{a}{b}$"},
                                {60, 15, "tl",
                                 "Gr\xf6\xdf"
                                 "e"},
                                {100, 15, "br", "$\\sum_{i=1}^n x_i$"},
                                {20, 45, "bl",
                                 "\xdc"
                                 "berma\xdf"},
                                {60, 45, "tr", "$\\sqrt{x^2+y^2}$"},
                                {100, 45, "b", "\xe4\xf6\xfc g"}};
        Fenster w(u"F0,0,2"_s);
        w.f.resize(1200, 800);
        QCoreApplication::processEvents();
        for (const Probe& p : proben)
            NeuerText(w.Z(), p.x, p.y, p.text, p.ausrichtung);
        w.Z().Kopf.Zoomstufe = 4;
        w.Menue("Gitter1");
        w.f.Painter().Satz->Malbudget = Satzwarten;
        w.Menue("TexteGesetzt1");
        QVERIFY(Satzstand::Warten(*w.f.Painter().Satz));
        w.f.zeichneneu();
        const QImage schirm = w.Bild();

        // The picture export in a document, typeset by latex and dvips, rendered at 9 pixels to
        // the millimetre as the screen shows a unit of 1 mm at zoom 4.
        QVERIFY(vektra::LatexExportDatei(w.Z(), w.Datei(u"bild.vkx"_s).toStdString(), w.f));
        QVERIFY(
            Schreiben(w.Datei(u"seite.tex"_s),
                      "\\documentclass{article}\n\\usepackage[cp1252]{inputenc}\n\\usepackage[dvips]{color}\n"
                      "\\pagestyle{empty}\n\\begin{document}\n\\vspace*{2cm}\\hspace*{1cm}\\input{bild.vkx}\n"
                      "\\end{document}\n"));
        for (const QStringList& aufruf :
             {QStringList{u"latex"_s, u"-interaction=nonstopmode"_s, u"seite.tex"_s},
              {u"dvips"_s, u"-q"_s, u"-o"_s, u"seite.ps"_s, u"seite.dvi"_s},
              {u"gs"_s, u"-q"_s, u"-dSAFER"_s, u"-dBATCH"_s, u"-dNOPAUSE"_s, u"-sDEVICE=ppmraw"_s,
               u"-r228.6"_s, u"-sOutputFile=seite.ppm"_s, u"seite.ps"_s}}) {
            QProcess p;
            p.setWorkingDirectory(w.ordner.path());
            p.start(aufruf[0], aufruf.mid(1));
            QVERIFY2(p.waitForFinished(Satzwarten) && p.exitCode() == 0, qPrintable(aufruf[0] + p.readAll()));
        }
        const QImage seite(w.Datei(u"seite.ppm"_s));
        QVERIFY(!seite.isNull());

        // Places in pixels from the top left corner of the image: a pixel is the square from its
        // column and row to the next ones. The drawing's origin is the middle of the pixel where
        // lines through (0,0) run on the screen, and the middle of the circle's ink on the page.
        const QPointF u1 = QPointF(w.Pixel(0, 0)) + QPointF(0.5, 0.5), u2 = Ursprung(seite);
        QVERIFY2((Ursprung(schirm) - u1).manhattanLength() <= 2, "the circle is not at the origin");
        for (const Probe& p : proben) {
            const QRectF a =
                QRectF(Tinte(schirm, (u1 + QPointF(9 * p.x, -9 * p.y)).toPoint(), 175, 120)).translated(-u1);
            const QRectF b =
                QRectF(Tinte(seite, (u2 + QPointF(9 * p.x, -9 * p.y)).toPoint(), 175, 120)).translated(-u2);
            QVERIFY2(!a.isEmpty() && !b.isEmpty(), p.text);
            for (auto [x, y] : {std::pair(a.left(), b.left()),
                                {a.top(), b.top()},
                                {a.right(), b.right()},
                                {a.bottom(), b.bottom()}})
                QVERIFY2(std::abs(x - y) <= 2,
                         qPrintable(u"%1 %2: Bildschirm %3,%4 %5x%6, Export %7,%8 %9x%10"_s
                                        .arg(QString::fromLatin1(p.ausrichtung), QString::fromLatin1(p.text))
                                        .arg(a.x())
                                        .arg(a.y())
                                        .arg(a.width())
                                        .arg(a.height())
                                        .arg(b.x())
                                        .arg(b.y())
                                        .arg(b.width())
                                        .arg(b.height())));
        }
    }
};

VEKTRA_TESTPROGRAMM(TextsatzTest)
#include "TextsatzTest.moc"
