// The language file at the first showing of the window: every menu, hint, list entry, dialog
// caption and status text from the file, blanks for what it lacks, format texts shown as
// written when their placeholders do not fit, and every command still at work. The English
// file leaves no German text in the window, its dialogs and the table, nor in Qt's own texts.
#include "Fenster.h"

#include "text/Qtext.h"
#include "text/Sprachdatei.h"
#include "text/Texte.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>

class SpracheTest : public QObject, Testumgebung {
    Q_OBJECT

    static QByteArray Englisch() {
        return Inhalt(QStringLiteral(VEKTRA_TESTDATA "/../../docs/englisch/language.dat"));
    }

    // Writes the user's language file, which the next window reads at its first showing.
    void Ablegen(const QByteArray& inhalt) {
        QDir(konfig.path()).mkpath(u"Vektra32"_s);
        if (!Schreiben(QDir(konfig.path()).filePath(u"Vektra32/language.dat"_s), inhalt)) qFatal("no file");
    }

    // Qt's own texts: the buttons of a question, the chooser's "Look in:" and the colour
    // chooser's title.
    static QStringList QtTexte() {
        QMessageBox frage(QMessageBox::Question, {}, {},
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QFileDialog datei;
        datei.setOption(QFileDialog::DontUseNativeDialog);
        QColorDialog farbe;
        farbe.setOption(QColorDialog::DontUseNativeDialog);
        return {frage.button(QMessageBox::Yes)->text(), frage.button(QMessageBox::No)->text(),
                frage.button(QMessageBox::Cancel)->text(), datei.findChild<QLabel*>(u"lookInLabel"_s)->text(),
                farbe.windowTitle()};
    }

    // Shows a window that reads the language file; gives the texts of the menu "File1", the
    // item "Open1", the hints of the line button and the colour field, the width list's fourth
    // and current entry, the second step control, the captions of the settings and clip
    // dialogs, and the status panels 2, 3 and, after the rectangle button, 0.
    QStringList Texte(const QByteArray& inhalt) {
        Ablegen(inhalt);
        Skriptfenster f;
        f.resize(800, 600);
        f.show();
        const auto teil = [&](const char* name) { return f.findChild<QWidget*>(QString::fromLatin1(name)); };
        auto* breite = f.findChild<QComboBox*>(u"Linienbreite"_s);
        // clang-format off
        QStringList t{f.findChild<QMenu*>(u"File1"_s)->title(), f.findChild<QAction*>(u"Open1"_s)->text(),
                      teil("LineButton")->toolTip(), teil("Label1")->toolTip(), breite->itemText(3),
                      breite->currentText(), f.findChild<QComboBox*>(u"Kontrolle"_s)->itemText(1),
                      teil("Einstellungen")->windowTitle(), teil("Clipform")->windowTitle(),
                      f.Statusfeld(2)->text(), f.Statusfeld(3)->text()};
        // clang-format on
        QTest::mouseClick(teil("rechteck1"), Qt::LeftButton);
        return t << f.Statusfeld(0)->text();
    }

  private slots:
    void cleanup() { vektra::TexteZuruecksetzen(); }

    void englischUndLeer() {
        QCOMPARE(Texte(Englisch()),
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
        // clang-format off
        QCOMPARE(Texte("[LANGUAGE]\r\nS13 = \"Striche \"\r\nsf1=eins\r\nSF29=zwei\r\ns59=Clip %s%s%n %999999d\r\n"),
                 QStringList({{}, {}, {}, u"zwei"_s, {}, {}, {}, {}, {}, u"0  , 0 , 0 "_s, u"Clip %s%s%n %999999d"_s,
                              u"Striche "_s}));
        // clang-format on
    }

    void englischUeberall() {
        // The German texts that the English file replaces by others.
        const auto englisch = vektra::SprachwerteLesen(Englisch().toStdString());
        QSet<QString> deutsch;
        for (const vektra::Texteintrag& e : vektra::Texteintraege()) {
            const auto it = englisch.find(vektra::Dateischluessel(e.schluessel));
            const QString eingebaut = QString::fromUtf8(e.eingebaut).trimmed();
            if (it != englisch.end() && QString::fromStdString(it->second).trimmed() != eingebaut)
                deutsch << eingebaut;
        }
        Ablegen(Englisch());
        Skriptfenster f;
        f.show();
        // Every text of the table, and what the window and its dialogs show.
        QStringList gezeigt;
        for (const vektra::Texteintrag& e : vektra::Texteintraege())
            gezeigt << Tq(e.schluessel);
        const auto teile = f.findChildren<QObject*>();
        for (QObject* o : teile + QObjectList{&f}) {
            if (auto* t = qobject_cast<QWidget*>(o))
                gezeigt << t->windowTitle() << t->toolTip() << t->statusTip() << t->accessibleName();
            if (auto* a = qobject_cast<QAction*>(o)) gezeigt << a->text() << a->toolTip() << a->statusTip();
            if (auto* m = qobject_cast<QMenu*>(o)) gezeigt << m->title();
            if (auto* g = qobject_cast<QGroupBox*>(o)) gezeigt << g->title();
            if (auto* b = qobject_cast<QAbstractButton*>(o)) gezeigt << b->text();
            if (auto* l = qobject_cast<QLabel*>(o)) gezeigt << l->text();
            if (auto* l = qobject_cast<QLineEdit*>(o)) gezeigt << l->placeholderText();
            if (auto* c = qobject_cast<QComboBox*>(o))
                for (int i = 0; i < c->count(); ++i)
                    gezeigt << c->itemText(i);
        }
        QStringList uebrig;
        for (const QString& t : gezeigt)
            if (deutsch.contains(t.trimmed())) uebrig << t;
        QCOMPARE(uebrig.join(u'|'), QString());
        QCOMPARE(QtTexte(),
                 QStringList({u"&Yes"_s, u"&No"_s, u"Cancel"_s, u"Look in:"_s, u"Select Color"_s}));
        // Without "qt" Qt's texts are German, and "qt" may name another of Qt's translations.
        const std::pair<QByteArray, QString> faelle[] = {{"[Language]\nsm1=Datei\n", u"&Ja"_s},
                                                         {"[Language]\nqt=fr\n", u"&Oui"_s}};
        for (const auto& [inhalt, ja] : faelle) {
            Ablegen(inhalt);
            Skriptfenster g;
            g.show();
            QCOMPARE(QtTexte().value(0), ja);
        }
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
