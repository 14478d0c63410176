#pragma once
// One background run of LaTeX and dvisvgm over a batch of texts, in a temporary folder of its
// own. The processes report through signals, so the window never waits for them; a timer ends a
// process that takes too long, and a run that goes away kills what still runs.
#include "text/Satzauftrag.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <string>
#include <vector>

// What a run found for one text of its batch.
struct Satzfund {
    std::string text;
    vektra::Satzmass mass;
    QByteArray svg; // the text's page as dvisvgm draws it, empty when it failed
    QString fehler; // why it failed, empty when it was typeset
};

// The programs a run calls, and how long each of them may take for a batch of n texts.
struct Satzprogramme {
    QString latex = QStringLiteral("latex");
    QString dvisvgm = QStringLiteral("dvisvgm");
    int grundzeitMs = 20000;
    int jeTextMs = 20;
};

class Textsatzlauf : public QObject {
    Q_OBJECT
  public:
    Textsatzlauf(const std::string& praeambel, std::vector<std::string> texte, Satzprogramme programme,
                 QObject* eltern = nullptr);
    ~Textsatzlauf() override;

    // Starts LaTeX; `fertig` follows, always after Starten has returned.
    void Starten();

    // The findings, once `fertig` came, for the texts LaTeX took up to where the run stopped. A
    // text after one that broke the run off has none and belongs in the next run.
    const std::vector<Satzfund>& Funde() const { return funde_; }
    // Why no text got a finding: a program that could not be started, named with the reason.
    const QString& Fehlendes() const { return fehlendes_; }
    // The processes the run started.
    int Prozesse() const { return prozesse_; }

  signals:
    void fertig();

  private:
    // The process running: what its end leads to.
    enum class Stufe { Keine, Latex, Dvisvgm };
    void Ausfuehren(const QString& programm, const QStringList& argumente, Stufe stufe);
    void LatexFertig();
    void DvisvgmFertig();
    void Abschliessen();
    void Zuordnen();
    QString Zeitfehler() const;

    std::string quelle_;
    std::vector<std::string> texte_;
    Satzprogramme programme_;
    QTemporaryDir ordner_;
    QProcess prozess_;
    QTimer uhr_;
    bool zuLange_ = false;
    bool latexZuLange_ = false;
    bool dvisvgmZuLange_ = false;
    int prozesse_ = 0;
    Stufe stufe_ = Stufe::Keine;
    vektra::Satzbericht bericht_;
    std::vector<Satzfund> funde_;
    QString fehlendes_;
};
