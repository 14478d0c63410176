#pragma once
// The keyboard of the main window: one table of keys, looked at in its order on every key
// released anywhere in the window (the surface, the tool bar, the lists), but not in its
// dialogs. Each row calls the command the menu or button of the same action calls.
#include "editing/Modus.h"

#include <QHash>
#include <QObject>

#include <array>

class Ablagebefehle;
class Ansichtsbefehle;
class Auswahlbefehle;
class Fensterdienste;
class Makrotasten;
class QKeyEvent;
class QWidget;
class Stiftbefehle;
class Verlaufsbefehle;

class Tastatur : public QObject {
    Q_OBJECT
  public:
    struct Befehle {
        Auswahlbefehle& auswahl;
        Ansichtsbefehle& ansicht;
        Ablagebefehle& ablage;
        Stiftbefehle& stift;
        Verlaufsbefehle& verlauf;
    };

    // Watches the key events of `fenster` and its controls.
    Tastatur(Fensterdienste& dienste, QWidget& fenster, Befehle befehle);

    // The macro commands behind Ctrl+M, Ctrl+R and the macro-key mode; without them those rows
    // do nothing. The window hands over its own; tests put a recorder in their place.
    void MakrotastenSetzen(Makrotasten* makro) { makro_ = makro; }

    // A key released in the window, with the modifiers held when it went down: every row of the
    // table that matches acts, in order, until one that stops. A quick typist lets Ctrl go a
    // moment before the letter; the shortcut is the one that was pressed.
    void FormKeyUp(const QKeyEvent& e, Qt::KeyboardModifiers beimDruecken);

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    // A released key as the table compares it.
    struct Taste {
        int taste = 0;
        bool ziffernblock = false;
        Qt::KeyboardModifiers umschalter;
        bool maustaste = false;
    };
    enum class Mit { Nichts, Strg, Beliebig };
    enum class Block { Egal, Nur, Nie };
    struct Zeile {
        int taste; // a Qt::Key, or JedeAusserStrg
        Block block;
        Mit mit;
        bool (*bedingung)(Tastatur&); // nullptr: always
        void (*aktion)(Tastatur&, const Taste&);
        bool halt;
    };
    static constexpr int JedeAusserStrg = -1;
    static const std::array<Zeile, 20> Tabelle;

    static bool Passt(const Zeile& z, const Taste& t);
    bool Makromodus() const;
    static bool KurvenfeldHatFokus();

    Fensterdienste& f_;
    QWidget& fenster_;
    Befehle b_;
    Makrotasten* makro_ = nullptr;
    // The mode when the key was released, for Escape to come back to.
    Modus vorher_ = Modus::Neutral;
    // Keys pressed in the window and not yet released, with their modifiers then: a release
    // whose press went to a dialog (the Escape that closed it) belongs to that dialog.
    QHash<int, Qt::KeyboardModifiers> gedrueckt_;
};
