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
            {"Kopieren", "L0,0,10,0:p", Menue("Bearbeiten1"), "L0,0,10,0:p", false},
            {"Kopieren und Einfügen", "L0,0,10,0:p L0,5,10,5",
             [](Fenster& w) { w.Menue("Bearbeiten1"), w.Menue("EinfgenStrgV1"); },
             "L0,0,10,0:p L0,5,10,5 L0,0,10,0:p", true},
            {"Einfügen ohne Ablage", "L0,0,10,0", Menue("EinfgenStrgV1"), "L0,0,10,0", false},
            {"Ausschneiden", "L0,0,10,0:p L0,5,10,5", Menue("AusschneidenStrgX1"), "L0,0,10,0:pd L0,5,10,5", true},
            {"Ausschneiden ohne Auswahl", "L0,0,10,0", Taste(Qt::Key_X), "L0,0,10,0", false},
            {"Löschen", "L0,0,10,0:p L0,5,10,5", Knopf("Delete"), "L0,0,10,0:d L0,5,10,5", true},
            {"Löschen per Taste", "K5,5,2:p", Taste(Qt::Key_Delete, {}), "K5,5,2:d", true},
            {"Löschen ohne Auswahl", "L0,0,10,0", Knopf("Delete"), "L0,0,10,0", false},
            {"Rückgängig", "L0,0,10,0:d L0,5,10,5", Menue("Rckgngig1"), "L0,0,10,0:p L0,5,10,5", true},
            {"Rückgängig ohne Gelöschtes", "L0,0,10,0", Taste(Qt::Key_Z), "L0,0,10,0", false},
            {"Aufräumen", "L0,0,10,0:d L0,5,10,5:p", Menue("Aufrumen1"), "L0,5,10,5:p", false},
            {"Alles wählen", "L0,0,10,0 K5,5,2:d", Taste(Qt::Key_A), "L0,0,10,0:p K5,5,2:pd", false},
            // Unequal factors about a centre off both axes: both coordinates and the circle's size.
            {"Skalieren", "L10,20,30,40:p K10,20,4:p L0,0,1,1", MitDialog("Skalieren1", skalieren),
             "L15,5,55,-5:p K15,5,8:p L0,0,1,1", true},
            {"Drehen", "L10,20,30,40:p K10,20,4:p T10,20,tl,a:p", MitDialog("Drehen1", drehen),
             "L-5,15,-25,35:p K-5,15,4:p T-5,15,tl,a:p", true},
            {"Drehen ohne Auswahl", "L10,20,30,40", MitDialog("Drehen1", drehen), "L10,20,30,40", false},
            {"Farbe", "L0,0,10,0:p L0,5,10,5", Farbe(Antwort::Ja), "L0,0,10,0:pf1ec80a L0,5,10,5", true},
            {"Farbe nicht übernommen", "L0,0,10,0:p", Farbe(Antwort::Nein), "L0,0,10,0:p", false},
            {"Linienbreite", "L0,0,10,0:p L0,5,10,5", Breite(Antwort::Ja), "L0,0,10,0:pb2 L0,5,10,5", true},
            {"Linienbreite nicht übernommen", "L0,0,10,0:p", Breite(Antwort::Nein), "L0,0,10,0:p", false},
            {"Zoom", "L0,0,10,0", Menue("Zoom6"), "L0,0,10,0", false},
            {"Gitter", "L0,0,10,0", Taste(Qt::Key_G), "L0,0,10,0", false},
            {"Snap", "L0,0,10,0", Taste(Qt::Key_S), "L0,0,10,0", false},
            {"Clip", "", MitDialog("Clip1", [](QDialog& d) { Fenster::Tippen(d, "Edit1", u"150"_s); }), "", true},
            {"Clip unverändert", "", Menue("Clip1"), "", false},
            {"Einstellungen unverändert", "", Menue("Ansicht1"), "", false},
        };
        // clang-format on
        for (const Fall& fall : faelle) {
            Fenster w(QString::fromLatin1(fall.vorher));
            fall.tun(w);
            const QString name = QString::fromUtf8(fall.name);
            QCOMPARE(
                std::tuple(name, w.Kurz(), w.Z().Geaendert, w.Status(2)),
                std::tuple(name, QString::fromLatin1(fall.nachher), fall.geaendert, Zaehler(w.Z().Elemente)));
            const qsizetype gefragt = w.f.fragen.size();
            w.f.antworten = {Antwort::Abbruch};
            const bool zu = w.f.close();
            QCOMPARE(std::tuple(name, zu, w.f.fragen.mid(gefragt)),
                     std::tuple(name, !fall.geaendert,
                                fall.geaendert ? QStringList{u"Änderungen speichern?"_s} : QStringList()));
        }
    }

    void einstellungenMarkierenWasMitDerZeichnungReist() {
        // Each value a drawing file holds marks the drawing changed when it is edited; the
        // origin, which no file holds, does not.
        const std::pair<const char*, bool> faelle[] = {
            {"Unitlength", true},   {"Edit2", true},         {"TeX_dick", true},
            {"p_wink", true},       {"p_laenge", true},      {"Massstabedit", true},
            {"Startschritt", true}, {"Schrittfaktor", true}, {"Linieunsichtbar", true},
            {"Liniedick", true},    {"pickedit", true},      {"Textanzeige3", true},
            {"nullx_edit", false},  {"nully_edit", false}};
        for (const auto& [feld, soll] : faelle) {
            const QString name = QString::fromLatin1(feld);
            Fenster w;
            w.f.dialoge = {{[&](QDialog& d) {
                if (auto* e = d.findChild<QLineEdit*>(name))
                    QTest::keyClicks(e, u"1"_s);
                else if (auto* s = d.findChild<QSpinBox*>(name))
                    s->setValue(s->value() + 1);
                else
                    d.findChild<QAbstractButton*>(name)->setChecked(true);
            }}};
            w.Menue("Ansicht1");
            QCOMPARE(std::pair(name, w.Z().Geaendert), std::pair(name, soll));
        }
    }
};

VEKTRA_TESTPROGRAMM(BefehleTest)
#include "BefehleTest.moc"
