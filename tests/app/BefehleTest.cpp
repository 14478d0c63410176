// Every editing command through the real window, as the rows of tests/data/faelle/fenster.txt:
// the drawing before, the command, the drawing it must leave and whether that marks it changed. A changed
// drawing then makes closing ask, an unchanged one closes at once; the status line counts what is there.
#include "Fenster.h"

namespace {

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
        for (const QStringList& fall : Tabelle("Befehle")) {
            const QString &name = fall[0], &vorher = fall[1], &nachher = fall[3], &schritt = fall[5];
            const bool geaendert = fall[4] == u"1"_s;
            Fenster w(vorher);
            const std::string vorherBytes = OhneStift(w.Z());
            w.Skript(fall[2]);
            const std::string nachherBytes = OhneStift(w.Z());
            QCOMPARE(std::tuple(name, w.Kurz(), w.Z().Geaendert, w.Status(2)),
                     std::tuple(name, nachher, geaendert, Zaehler(w.Z().Elemente)));
            // The command's step undone and redone by the keys: the drawing and its settings as
            // they were and became, the changed mark, the menu items' greying, the status line.
            const auto* zurueck = w.Teil<QAction>("Rckgngig1");
            const auto* vor = w.Teil<QAction>("Wiederherstellen1");
            QCOMPARE(std::pair(name, zurueck->isEnabled()), std::pair(name, !schritt.isEmpty()));
            if (!schritt.isEmpty()) {
                w.Taste(Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(std::tuple(name, w.Kurz(), OhneStift(w.Z()) == vorherBytes, w.Z().Geaendert,
                                    w.Status(0), zurueck->isEnabled(), vor->isEnabled()),
                         std::tuple(name, vorher, true, false, schritt + u" rückgängig"_s, false, true));
                w.Taste(Qt::Key_Y, Qt::ControlModifier);
                QCOMPARE(std::tuple(name, w.Kurz(), OhneStift(w.Z()) == nachherBytes, w.Z().Geaendert,
                                    w.Status(0), zurueck->isEnabled(), vor->isEnabled()),
                         std::tuple(name, nachher, true, geaendert, schritt + u" wiederhergestellt"_s, true,
                                    false));
            }
            const qsizetype gefragt = w.f.fragen.size();
            w.f.antworten = {Antwort::Abbruch};
            const bool zu = w.f.close();
            QCOMPARE(std::tuple(name, zu, w.f.fragen.mid(gefragt)),
                     std::tuple(name, !geaendert,
                                geaendert ? QStringList{u"Änderungen speichern?"_s} : QStringList()));
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
