// Every editing command through the real window, as rows: the drawing before, the command, the
// drawing it must leave and whether that marks the drawing changed. A changed drawing then
// makes closing ask, an unchanged one closes at once; the status line counts what is there.
#include "Fenster.h"

#include <QComboBox>
#include <QSpinBox>

namespace {

using Aktion = std::function<void(Fenster&)>;

struct Fall {
    const char* name;
    const char* vorher;
    Aktion tun;
    const char* nachher;
    bool geaendert;
    // The step the command makes, as the status line names it; nullptr for none.
    const char* schritt;
};

Aktion Menue(const char* name) {
    return [name](Fenster& w) { w.Menue(name); };
}

Aktion Knopf(const char* name) {
    return [name](Fenster& w) { w.Knopf(name); };
}

Aktion Taste(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
    return [k, m](Fenster& w) { w.Taste(k, m); };
}

// The command `name` with the next dialog filled by `fuellen` and closed by OK.
Aktion MitDialog(const char* name, std::function<void(QDialog&)> fuellen) {
    return [=](Fenster& w) {
        w.f.dialoge = {{fuellen}};
        w.Menue(name);
    };
}

Aktion Farbe(Antwort antwort) {
    return [antwort](Fenster& w) {
        std::tie(w.f.farbe, w.f.antworten) = std::pair(QColor(10, 200, 30), std::deque{antwort});
        QTest::mouseClick(w.Teil<QLabel>("Label1"), Qt::LeftButton);
    };
}

Aktion Breite(Antwort antwort) {
    return [antwort](Fenster& w) {
        w.f.antworten = {antwort};
        emit w.Teil<QComboBox>("Linienbreite")->activated(3);
    };
}

// What a save writes, but for the pen's colour, which the colour command sets and no undo
// takes back.
std::string OhneStift(vektra::Zeichnung z) {
    z.Kopf.aktuelleFarbe = 0;
    return Bytes(std::move(z));
}

} // namespace

class BefehleTest : public QObject {
    Q_OBJECT
  private slots:
    void befehleUndAenderungsmarke() {
        const auto drehen = [](QDialog& d) {
            for (const auto& [feld, text] : {std::pair("Zen_x", "5"), {"Zen_y", "10"}, {"Win_g", "90"}})
                Fenster::Verlassen(d, feld, QString::fromLatin1(text));
        };
        const auto skalieren = [](QDialog& d) {
            for (const auto& [feld, text] :
                 {std::pair("x", "5"), {"y", "10"}, {"xFaktor", "2"}, {"yFaktor", "-0.5"}})
                Fenster::Tippen(d, feld, QString::fromLatin1(text));
        };
        // clang-format off
        const Fall faelle[] = {
            {"Kopieren", "L0,0,10,0:p", Menue("Bearbeiten1"), "L0,0,10,0:p", false, nullptr},
            {"Kopieren und Einfügen", "L0,0,10,0:p L0,5,10,5",
             [](Fenster& w) { w.Menue("Bearbeiten1"), w.Menue("EinfgenStrgV1"); },
             "L0,0,10,0:p L0,5,10,5 L0,0,10,0:p", true, "Einfügen"},
            {"Einfügen ohne Ablage", "L0,0,10,0", Menue("EinfgenStrgV1"), "L0,0,10,0", false, nullptr},
            {"Ausschneiden", "L0,0,10,0:p L0,5,10,5", Menue("AusschneidenStrgX1"), "L0,0,10,0:pd L0,5,10,5", true, "Ausschneiden"},
            {"Ausschneiden ohne Auswahl", "L0,0,10,0", Taste(Qt::Key_X), "L0,0,10,0", false, nullptr},
            {"Löschen", "L0,0,10,0:p L0,5,10,5", Knopf("Delete"), "L0,0,10,0:d L0,5,10,5", true, "Löschen"},
            {"Löschen per Taste", "K5,5,2:p", Taste(Qt::Key_Delete, {}), "K5,5,2:d", true, "Löschen"},
            {"Löschen ohne Auswahl", "L0,0,10,0", Knopf("Delete"), "L0,0,10,0", false, nullptr},
            // Undone back to the drawing as it was: no longer changed, and nothing left to undo.
            {"Rückgängig", "L0,0,10,0:p L0,5,10,5", [](Fenster& w) { w.Knopf("Delete"), w.Menue("Rckgngig1"); },
             "L0,0,10,0:p L0,5,10,5", false, nullptr},
            {"Wiederherstellen", "L0,0,10,0:p L0,5,10,5",
             [](Fenster& w) { w.Knopf("Delete"), w.Menue("Rckgngig1"), w.Menue("Wiederherstellen1"); },
             "L0,0,10,0:d L0,5,10,5", true, "Löschen"},
            {"Rückgängig ohne Schritt", "L0,0,10,0:d", Taste(Qt::Key_Z), "L0,0,10,0:d", false, nullptr},
            // Deleted records are in no file: tidying them away changes nothing a save writes.
            {"Aufräumen", "L0,0,10,0:d L0,5,10,5:p", Menue("Aufrumen1"), "L0,5,10,5:p", false, "Aufräumen"},
            {"Alles wählen", "L0,0,10,0 K5,5,2:d", Taste(Qt::Key_A), "L0,0,10,0:p K5,5,2:pd", false, nullptr},
            // Unequal factors about a centre off both axes: both coordinates and the circle's size.
            {"Skalieren", "L10,20,30,40:p K10,20,4:p L0,0,1,1", MitDialog("Skalieren1", skalieren),
             "L15,5,55,-5:p K15,5,8:p L0,0,1,1", true, "Skalieren"},
            {"Drehen", "L10,20,30,40:p K10,20,4:p T10,20,tl,a:p", MitDialog("Drehen1", drehen),
             "L-5,15,-25,35:p K-5,15,4:p T-5,15,tl,a:p", true, "Drehen"},
            {"Drehen ohne Auswahl", "L10,20,30,40", MitDialog("Drehen1", drehen), "L10,20,30,40", false, nullptr},
            {"Farbe", "L0,0,10,0:p L0,5,10,5", Farbe(Antwort::Ja), "L0,0,10,0:pf1ec80a L0,5,10,5", true, "Farbe"},
            {"Farbe nicht übernommen", "L0,0,10,0:p", Farbe(Antwort::Nein), "L0,0,10,0:p", false, nullptr},
            {"Linienbreite", "L0,0,10,0:p L0,5,10,5", Breite(Antwort::Ja), "L0,0,10,0:pb2 L0,5,10,5", true, "Linienbreite"},
            {"Linienbreite nicht übernommen", "L0,0,10,0:p", Breite(Antwort::Nein), "L0,0,10,0:p", false, nullptr},
            {"Zoom", "L0,0,10,0", Menue("Zoom6"), "L0,0,10,0", false, nullptr},
            {"Gitter", "L0,0,10,0", Taste(Qt::Key_G), "L0,0,10,0", false, nullptr},
            {"Snap", "L0,0,10,0", Taste(Qt::Key_S), "L0,0,10,0", false, nullptr},
            {"Clip", "", MitDialog("Clip1", [](QDialog& d) { Fenster::Tippen(d, "Edit1", u"150"_s); }), "", true, "Clip"},
            {"Clip unverändert", "", Menue("Clip1"), "", false, nullptr},
            {"Einstellungen", "", MitDialog("Ansicht1", [](QDialog& d) { Fenster::Tippen(d, "Unitlength", u"2"_s); }), "", true, "Einstellungen"},
            // A cancelled text leaves no step.
            {"Text abgebrochen", "", [](Fenster& w) { w.Knopf("Textbutton"), w.f.dialoge = {{{}, Schluss::Abbruch}}, w.Klick(5, 5); }, "", false, nullptr},
            {"Einstellungen unverändert", "", Menue("Ansicht1"), "", false, nullptr},
            // Choosing a tool, and a redraw while it is chosen, is no edit.
            {"Linienwerkzeug gewählt", "L0,0,10,0", [](Fenster& w) { w.Knopf("LineButton"), w.f.zeichneneu(); }, "L0,0,10,0", false, nullptr},
        };
        // clang-format on
        for (const Fall& fall : faelle) {
            Fenster w(QString::fromLatin1(fall.vorher));
            const std::string vorher = OhneStift(w.Z());
            fall.tun(w);
            const QString name = QString::fromUtf8(fall.name);
            const std::string nachher = OhneStift(w.Z());
            QCOMPARE(
                std::tuple(name, w.Kurz(), w.Z().Geaendert, w.Status(2)),
                std::tuple(name, QString::fromLatin1(fall.nachher), fall.geaendert, Zaehler(w.Z().Elemente)));
            // The command's step undone and redone by the keys: the drawing and its settings as
            // they were and became, the changed mark, the menu items' greying, the status line.
            const auto* zurueck = w.Teil<QAction>("Rckgngig1");
            const auto* vor = w.Teil<QAction>("Wiederherstellen1");
            QCOMPARE(std::pair(name, zurueck->isEnabled()), std::pair(name, fall.schritt != nullptr));
            if (fall.schritt) {
                const QString schritt = QString::fromUtf8(fall.schritt);
                w.Taste(Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(std::tuple(name, w.Kurz(), OhneStift(w.Z()) == vorher, w.Z().Geaendert, w.Status(0),
                                    zurueck->isEnabled(), vor->isEnabled()),
                         std::tuple(name, QString::fromLatin1(fall.vorher), true, false,
                                    schritt + u" rückgängig"_s, false, true));
                w.Taste(Qt::Key_Y, Qt::ControlModifier);
                QCOMPARE(std::tuple(name, w.Kurz(), OhneStift(w.Z()) == nachher, w.Z().Geaendert, w.Status(0),
                                    zurueck->isEnabled(), vor->isEnabled()),
                         std::tuple(name, QString::fromLatin1(fall.nachher), true, fall.geaendert,
                                    schritt + u" wiederhergestellt"_s, true, false));
            }
            const qsizetype gefragt = w.f.fragen.size();
            w.f.antworten = {Antwort::Abbruch};
            const bool zu = w.f.close();
            QCOMPARE(std::tuple(name, zu, w.f.fragen.mid(gefragt)),
                     std::tuple(name, !fall.geaendert,
                                fall.geaendert ? QStringList{u"Änderungen speichern?"_s} : QStringList()));
        }
    }

    void einstellungenMarkierenWasMitDerZeichnungReist() {
        // Each value a drawing file holds marks the drawing changed when it is edited, and its
        // undo shows the value as it was when the dialog opens again; the origin, which no file
        // holds, is no edit.
        const std::pair<const char*, bool> faelle[] = {
            {"Unitlength", true},   {"Edit2", true},         {"TeX_dick", true},
            {"p_wink", true},       {"p_laenge", true},      {"Massstabedit", true},
            {"Startschritt", true}, {"Schrittfaktor", true}, {"Linieunsichtbar", true},
            {"Liniedick", true},    {"pickedit", true},      {"Textanzeige3", true},
            {"nullx_edit", false},  {"nully_edit", false}};
        for (const auto& [feld, soll] : faelle) {
            const QString name = QString::fromLatin1(feld);
            Fenster w;
            const auto wert = [&](QDialog& d) {
                if (auto* e = d.findChild<QLineEdit*>(name)) return e->text();
                if (auto* s = d.findChild<QSpinBox*>(name)) return QString::number(s->value());
                return QString::number(d.findChild<QAbstractButton*>(name)->isChecked());
            };
            QString vorher, danach;
            w.f.dialoge = {{[&](QDialog& d) {
                vorher = wert(d);
                if (auto* e = d.findChild<QLineEdit*>(name))
                    QTest::keyClicks(e, u"1"_s);
                else if (auto* s = d.findChild<QSpinBox*>(name))
                    s->setValue(s->value() + 1);
                else
                    d.findChild<QAbstractButton*>(name)->setChecked(true);
            }}};
            w.Menue("Ansicht1");
            QCOMPARE(std::pair(name, w.Z().Geaendert), std::pair(name, soll));
            w.Taste(Qt::Key_Z, Qt::ControlModifier);
            w.f.dialoge = {{[&](QDialog& d) { danach = wert(d); }}};
            w.Menue("Ansicht1");
            QCOMPARE(std::tuple(name, w.Z().Geaendert, danach == vorher), std::tuple(name, false, soll));
        }
    }
};

VEKTRA_TESTPROGRAMM(BefehleTest)
#include "BefehleTest.moc"
