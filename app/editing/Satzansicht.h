#pragma once
// The view switch "Texte gesetzt zeigen": texts shown "wie vorhanden" appear as LaTeX sets them,
// with the preamble of the settings dialog. Switch and preamble are kept per user in the settings
// store, never in the drawing, so neither is an edit. The switch says once when TeX is missing,
// and a text that failed shows LaTeX's complaint as its tooltip.
#include <QObject>
#include <QString>

class Fensterdienste;
class QAction;
class QMenu;
class TEinstellungen;
class Textsatz;

class Satzansicht : public QObject {
    Q_OBJECT
  public:
    // Adds the switch to the menu `ansicht`. Typeset texts are kept in the user's cache folder
    // (~/.cache/Vektra32/textsatz), whatever name a language file gives the program.
    Satzansicht(Fensterdienste& fenster, QMenu& ansicht, TEinstellungen& einstellungen);

    Textsatz& Satz() { return *satz_; }

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    void Umschalten(bool an);
    void PraeambelUebernehmen();
    // Shows what a run brought, once no button is held (a drag draws on the picture as it is).
    void Zeigen();
    QString FehlerBei(QPoint pixel) const;

    Fensterdienste& f_;
    TEinstellungen& einstellungen_;
    Textsatz* satz_ = nullptr;
    QAction* schalter_ = nullptr;
};
