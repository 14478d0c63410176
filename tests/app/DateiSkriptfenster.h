#pragma once
// A main window whose file dialogs, modal dialogs, messages and questions are scripted, for the
// tests of the file and settings commands.
#include "files/Dateibefehle.h"
#include "main/TForm1.h"

#include <QDialog>
#include <QFile>
#include <QStringList>

#include <functional>
#include <vector>

class Skriptfenster : public TForm1 {
  public:
    // Answers in order; an exhausted list cancels.
    QStringList oeffnenAntworten;
    QStringList speichernAntworten;
    std::vector<vektra::Antwort> antworten;
    std::function<int(QDialog&)> dialogSkript;

    // What was shown.
    QStringList meldungen;
    QStringList fragen;
    struct Dateidialog {
        QString titel, start, filter;
    };
    std::vector<Dateidialog> oeffnenDialoge;
    std::vector<Dateidialog> speichernDialoge;
    int dialoge = 0;

    void Melden(vektra::Meldungsart, const std::string& text, int) override {
        meldungen << QString::fromStdString(text);
    }
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string& text, vektra::Knoepfe) override {
        fragen << QString::fromStdString(text);
        if (antworten.empty()) return vektra::Antwort::Abbruch;
        const auto a = antworten.front();
        antworten.erase(antworten.begin());
        return a;
    }
    QString OeffnenDialog(const QString& titel, const QString& ordner, const QString& filter) override {
        oeffnenDialoge.push_back({titel, ordner, filter});
        return oeffnenAntworten.isEmpty() ? QString() : oeffnenAntworten.takeFirst();
    }
    QString SpeichernDialog(const QString& titel, const QString& vorschlag, const QString& filter) override {
        speichernDialoge.push_back({titel, vorschlag, filter});
        return speichernAntworten.isEmpty() ? QString() : speichernAntworten.takeFirst();
    }
    int DialogAusfuehren(QDialog& dialog) override {
        ++dialoge;
        return dialogSkript ? dialogSkript(dialog) : int(QDialog::Rejected);
    }
};

// Test elements.
inline vektra::TElement& NeueLinie(vektra::Zeichnung& z, double x1, double y1, double x2, double y2) {
    vektra::TElement& e = *z.Elemente.NeuesElement();
    e.Art = vektra::Linie;
    e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
    e.Ebene = vektra::EbeneLinie;
    return e;
}

inline vektra::TElement& NeuerText(vektra::Zeichnung& z, double x, double y, const std::string& text) {
    vektra::TElement& e = *z.Elemente.NeuesElement();
    e.Art = vektra::Text;
    e.x1 = x, e.y1 = y;
    e.TextSetzen(text);
    e.Ebene = vektra::EbeneText;
    return e;
}

// A message sink for writing test files through the core.
struct StummeMeldungen : vektra::Meldungen {
    void Melden(vektra::Meldungsart, const std::string&, int) override {}
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string&, vektra::Knoepfe) override {
        return vektra::Antwort::Ok;
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
