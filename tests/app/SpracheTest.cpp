// The language file at the first showing of the window: every menu, hint, list entry, dialog
// caption and status text from the file, blanks for what it lacks, format texts shown as
// written when their placeholders do not fit, and every command still at work.
#include "Fenster.h"

#include "editing/TClipform.h"
#include "main/TEinstellungen.h"
#include "text/Texte.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

class SpracheTest : public QObject, Testumgebung {
    Q_OBJECT

    // Writes the user's language file and shows a window that reads it.
    std::unique_ptr<Skriptfenster> Starten(const QByteArray& inhalt) {
        QDir(konfig.path()).mkpath(u"Vektra32"_s);
        if (!Schreiben(QDir(konfig.path()).filePath(u"Vektra32/language.dat"_s), inhalt)) qFatal("no file");
        auto f = std::make_unique<Skriptfenster>();
        f->resize(800, 600);
        f->show();
        return f;
    }
    static QString Menue(Skriptfenster& f, const char* name) {
        return f.findChild<QMenu*>(QString::fromLatin1(name))->title();
    }
    static QString Hinweis(Skriptfenster& f, const char* name) {
        return f.findChild<QToolButton*>(QString::fromLatin1(name))->toolTip();
    }

  private slots:
    void cleanup() { vektra::TexteZuruecksetzen(); }

    void englischeDateiErsetztJedenText() {
        QFile datei(QStringLiteral(VEKTRA_TESTDATA "/../../docs/englisch/language.dat"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        auto f = Starten(datei.readAll());
        QCOMPARE(Menue(*f, "File1") + u"|"_s + f->findChild<QAction*>(u"Open1"_s)->text() + u"|"_s +
                     f->findChild<QAction*>(u"Clip1"_s)->text(),
                 u"&File|&Open|Clip"_s);
        QCOMPARE(Hinweis(*f, "LineButton") + u"|"_s + f->findChild<QLabel*>(u"Label1"_s)->toolTip(),
                 u"Line|Line colour"_s);
        auto* breite = f->findChild<QComboBox*>(u"Linienbreite"_s);
        QCOMPARE(breite->itemText(3) + u"|"_s + breite->currentText(), u"thick|normal"_s);
        QCOMPARE(f->findChild<QComboBox*>(u"Kontrolle"_s)->itemText(1), u"Direction"_s);
        QCOMPARE(f->findChild<TEinstellungen*>()->windowTitle() + u"|"_s +
                     f->findChild<TClipform*>()->windowTitle(),
                 u"Settings|Clip area"_s);
        QCOMPARE(f->Statusfeld(2)->text() + u"|"_s + f->Statusfeld(3)->text(),
                 u"0  Elements, 0  picked, 0 deleted|Clip: b: -1 t: 200 l: -1 r: 200"_s);
        QTest::mouseClick(f->findChild<QToolButton*>(u"rechteck1"_s), Qt::LeftButton);
        QCOMPARE(f->Statusfeld(0)->text(), u"Draw rectangles "_s);
    }

    void leereDateiLeertAllesUndNichtsFaelltAus() {
        auto f = Starten({});
        QCOMPARE(Menue(*f, "File1") + Menue(*f, "Bearbeiten2") + Hinweis(*f, "LineButton"), QString());
        // Space + value texts keep their blank, the others are empty.
        QCOMPARE(f->Statusfeld(2)->text(), u"0  , 0 , 0 "_s);
        // The width list shows a blank entry, and new lines keep the normal width.
        QCOMPARE(f->Dokument().aktuelleBreite, 1);
        // The commands still work: a line drawn with the (captionless) line button.
        QTest::mouseClick(f->findChild<QToolButton*>(u"LineButton"_s), Qt::LeftButton);
        MyDraw* zf = f->Zeichenflaeche();
        f->zeichneneu();
        QTest::mousePress(zf, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(zf, QPoint(200, 150));
        QTest::mouseRelease(zf, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(f->Dokument().Elemente.Anzahl(), 1);
        // The answer letters keep their built-in values.
        QCOMPARE(QString::fromStdString(vektra::T("sn") + vektra::T("sj")), u"NJ"_s);
    }

    void nurEinSchluesselInGemischterSchreibung() {
        // Keys in any letter case; the last of two hints on the colour field wins; a clip text
        // whose placeholders do not fit shows as written.
        auto f = Starten(
            "[LANGUAGE]\r\nS12 = \"Striche \"\r\nsf1=eins\r\nSF29=zwei\r\ns59=Clip %s%s%n %999999d\r\n");
        QTest::mouseClick(f->findChild<QToolButton*>(u"LineButton"_s), Qt::LeftButton);
        QCOMPARE(std::tuple(f->Statusfeld(0)->text(), f->findChild<QLabel*>(u"Label1"_s)->toolTip(),
                            f->Statusfeld(3)->text(), Menue(*f, "File1")),
                 std::tuple(u"Striche "_s, u"zwei"_s, u"Clip %s%s%n %999999d"_s, QString()));
    }
};

VEKTRA_TESTPROGRAMM(SpracheTest)
#include "SpracheTest.moc"
