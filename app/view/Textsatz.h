#pragma once
// Texts on the screen as LaTeX sets them. The painter asks for each text it writes: a text
// whose typeset picture is known is set from it, at its reference point as the picture export's
// \makebox(0,0)[..] places it, at the drawing's unit length and the zoom; every text not yet
// known goes into the next background run, one run at a time, and the window hears when a run
// brought new pictures. Until then, and for a text that failed, the canvas writes the plain text.
#include "files/Textlage.h"
#include "view/Textsatzlauf.h"
#include "view/Textsatzvorrat.h"

#include <QColor>
#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

class Leinwand;

namespace vektra {
struct Ansicht;
struct TElement;
struct Zeichnung;
} // namespace vektra

class Textsatz : public QObject, public vektra::Textboxen {
    Q_OBJECT
  public:
    // `cacheordner` empty keeps nothing on disk.
    Textsatz(const vektra::Zeichnung& z, const vektra::Ansicht& ansicht, const QString& cacheordner,
             QObject* eltern = nullptr);
    ~Textsatz() override;

    // On: texts are typeset while the drawing shows them "wie vorhanden".
    void Einschalten(bool an) { an_ = an; }
    bool Eingeschaltet() const { return an_; }
    // The preamble as the user wrote it; typeset in cp1252 as the drawing's texts.
    void PraeambelSetzen(const QString& praeambel);
    const std::string& Praeambel() const { return praeambel_; }
    void ProgrammeSetzen(Satzprogramme programme) { programme_ = std::move(programme); }

    // Sets text e, whose reference point is the logical pixel `referenz`, in `farbe`; false when
    // the canvas must write it itself. A text not yet known waits for the next run.
    bool Malen(Leinwand& l, const vektra::TElement& e, QPoint referenz, const QColor& farbe);
    // The typeset box of text e in drawing units, where it is known and shown.
    std::optional<vektra::Textbox> Box(const vektra::TElement& e) const override;
    // Outlines the typeset boxes of the picked texts in not-xor, as the move drag shows them: a
    // second call takes them off again.
    void RahmenZeichnen(Leinwand& l) const;
    // Why text e could not be typeset; empty when it was or is not known yet.
    QString Fehler(const vektra::TElement& e) const;

    // How long one redraw may spend drawing pictures from their pages, in milliseconds; below 0
    // none is drawn.
    qint64 Malbudget = 40;

    // Whether a run is going on or texts wait for one.
    bool Beschaeftigt() const { return lauf_ || !wartend_.empty(); }
    // The runs so far and the processes they started.
    int Laeufe() const { return laeufe_; }
    int Prozesse() const { return prozesse_; }

  signals:
    // A run brought typeset texts or failures, or pictures left over by the last redraw can be
    // drawn now: a redraw shows them.
    void neuGesetzt();
    // LaTeX or dvisvgm cannot be started; said once, after which texts stay plain.
    void ohneTeX(const QString& meldung);

  private:
    // Pixels (logical) to the TeX point, or nothing when texts are not typeset now.
    std::optional<double> PixelJePunkt() const;
    // The entry of text e where it is known, and its key (empty for an empty text).
    Textsatzvorrat::Eintrag* Bekannt(const vektra::TElement& e, std::string& schluessel) const;
    void Vormerken(const std::string& schluessel, std::string_view text);
    // Whether this redraw may still draw a picture from its page. After a change of zoom every
    // picture is drawn anew; a redraw draws what fits into its time, shows the rest plain and
    // asks for another redraw, so the window answers in between.
    bool Malzeit();
    void LaufStarten();
    void LaufFertig();

    const vektra::Zeichnung& z_;
    const vektra::Ansicht& ansicht_;
    bool an_ = false;
    bool ohneTeX_ = false;
    std::string praeambel_;
    Satzprogramme programme_;
    // Finding a text may read it from the disk.
    mutable Textsatzvorrat vorrat_;
    // Texts waiting for a run and those in the running one, by key.
    std::vector<std::pair<std::string, std::string>> wartend_;
    std::unordered_set<std::string> vorgemerkt_;
    std::vector<std::pair<std::string, std::string>> imLauf_;
    std::unique_ptr<Textsatzlauf> lauf_;
    bool startVorgemerkt_ = false;
    QElapsedTimer malzeit_;
    bool aufgeschoben_ = false;
    int laeufe_ = 0;
    int prozesse_ = 0;
};
