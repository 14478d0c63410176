// The language file at the first showing of the window: every menu, hint, list entry, dialog
// caption and status text from the file, blanks for what it lacks, format texts shown as
// written when their placeholders do not fit, and every command still at work.
#include "Fenster.h"

#include "text/Texte.h"

#include <QComboBox>
#include <QMenu>

class SpracheTest : public QObject, Testumgebung {
    Q_OBJECT

    // Writes the user's language file and shows a window that reads it; gives the texts of the
    // menu "File1", the item "Open1", the hints of the line button and the colour field, the
    // width list's fourth and current entry, the second step control, the captions of the
    // settings and clip dialogs, and the status panels 2, 3 and, after the rectangle button, 0.
    QStringList Texte(const QByteArray& inhalt) {
        QDir(konfig.path()).mkpath(u"Vektra32"_s);
        if (!Schreiben(QDir(konfig.path()).filePath(u"Vektra32/language.dat"_s), inhalt)) qFatal("no file");
        Skriptfenster f;
        f.resize(800, 600);
        f.show();
        const auto teil = [&](const char* name) { return f.findChild<QWidget*>(QString::fromLatin1(name)); };
        auto* breite = f.findChild<QComboBox*>(u"Linienbreite"_s);
        QStringList t{f.findChild<QMenu*>(u"File1"_s)->title(),
                      f.findChild<QAction*>(u"Open1"_s)->text(),
                      teil("LineButton")->toolTip(),
                      teil("Label1")->toolTip(),
                      breite->itemText(3),
                      breite->currentText(),
                      f.findChild<QComboBox*>(u"Kontrolle"_s)->itemText(1),
                      teil("Einstellungen")->windowTitle(),
                      teil("Clipform")->windowTitle(),
                      f.Statusfeld(2)->text(),
                      f.Statusfeld(3)->text()};
        QTest::mouseClick(teil("rechteck1"), Qt::LeftButton);
        return t << f.Statusfeld(0)->text();
    }

  private slots:
    void cleanup() { vektra::TexteZuruecksetzen(); }

    void englischUndLeer() {
        QFile datei(QStringLiteral(VEKTRA_TESTDATA "/../../docs/englisch/language.dat"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(Texte(datei.readAll()),
                 QStringList({u"&File"_s, u"&Open"_s, u"Line"_s, u"Line colour"_s, u"thick"_s, u"normal"_s,
                              u"Direction"_s, u"Settings"_s, u"Clip area"_s,
                              u"0  Elements, 0  picked, 0 deleted"_s, u"Clip: b: -1 t: 200 l: -1 r: 200"_s,
                              u"Draw rectangles "_s}));
        // An empty file blanks every text; value texts with a blank keep it.
        vektra::TexteZuruecksetzen();
        QCOMPARE(Texte({}), QStringList({{}, {}, {}, {}, {}, {}, {}, {}, {}, u"0  , 0 , 0 "_s, {}, {}}));
        // Keys in any letter case; the last of two hints on the colour field wins; a clip text
        // whose placeholders do not fit shows as written.
        vektra::TexteZuruecksetzen();
        QCOMPARE(
            Texte(
                "[LANGUAGE]\r\nS13 = \"Striche \"\r\nsf1=eins\r\nSF29=zwei\r\ns59=Clip %s%s%n %999999d\r\n"),
            QStringList({{},
                         {},
                         {},
                         u"zwei"_s,
                         {},
                         {},
                         {},
                         {},
                         {},
                         u"0  , 0 , 0 "_s,
                         u"Clip %s%s%n %999999d"_s,
                         u"Striche "_s}));
    }

    void leererTextLaesstDieBefehleArbeiten() {
        // Captionless, the line button still draws, new lines keep the normal width, and the
        // answer letters keep their built-in values.
        Texte({});
        Fenster w;
        w.Knopf("LineButton");
        w.Ziehen(0, 0, 10, 5);
        QCOMPARE(std::pair(w.Kurz(), QString::fromStdString(vektra::T("sn") + vektra::T("sj"))),
                 std::pair(u"L0,0,10,5"_s, u"NJ"_s));
    }
};

VEKTRA_TESTPROGRAMM(SpracheTest)
#include "SpracheTest.moc"
