#pragma once
// The history of edits. Every change of the drawing is one step: undo takes the last step back,
// redo takes it again, and a new edit drops the steps ahead. A step holds only what changed: the
// records of the elements it changed, the range it appended, the records a compaction took out,
// the settings it changed. Picking is no step, but picks travel with the steps (those made after
// a step belong to it), so every undo and redo gives back the drawing exactly as it was at that
// place in the history, picks included.
#include "model/Dialogwerte.h"
#include "model/Element.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vektra {

struct Zeichnung;
class Elementspeicher;

enum class Schrittart : std::uint8_t {
    Zeichnen,
    Kurve,
    Einfuegen,
    Makro,
    Loeschen,
    Ausschneiden,
    Verschieben,
    Skalieren,
    Drehen,
    Farbe,
    Breite,
    Text,
    Aufraeumen,
    Einstellungen,
    Clip,
};

// The step's name for the status line ("Verschieben"), from the text table.
std::string Schrittname(Schrittart art);

// The settings that travel with the drawing and that the settings, clip and curve dialogs
// change. The view (zoom, snap, grid) and the pen (colour, width) are no part of it.
struct Einstellungswerte {
    Dialogwerte Dialog;
    std::array<std::int16_t, 4> PixelBreite{};
    std::int16_t Textanzeige = 0;
    std::int16_t Pickabstand = 0;
    double Pfeilwinkel = 0;
    double Pfeillaenge = 0;
    std::int32_t Massstab = 0;
    double Startschritt = 0;
    double Schrittfaktor = 0;

    // Numbers compare by their bits, so a value that is no number still equals itself.
    bool operator==(const Einstellungswerte& b) const;
};

class Verlauf {
  public:
    static constexpr std::size_t MaxSchritte = 1000;
    static constexpr std::size_t MaxBytes = std::size_t{64} << 20;

    // Forgets every step and starts from the store as it is; the drawing counts as saved.
    void Neu(const Elementspeicher& s);
    // The drawing as it is now has been saved: undoing or redoing back to here clears the
    // changed mark.
    void Gespeichert() { gespeichert_ = static_cast<long>(position_); }

    bool KannRueckgaengig() const { return tiefe_ == 0 && position_ > 0; }
    bool KannWiederherstellen() const { return tiefe_ == 0 && position_ < schritte_.size(); }
    // Takes the last step back, or the next one again; the kind of step, or nothing when there
    // is none (or an edit is still going on). The changed mark says afterwards whether the
    // drawing differs from its saved state.
    std::optional<Schrittart> Rueckgaengig(Zeichnung& z);
    std::optional<Schrittart> Wiederherstellen(Zeichnung& z);

    std::size_t Schritte() const { return schritte_.size(); }
    // The memory the steps hold, about.
    std::size_t Bytes() const { return bytes_; }

    // Called whenever what can be undone or redone may have changed.
    std::function<void()> Beobachter;

  private:
    friend class Bearbeitung;

    struct Satz {
        int Index;
        TElement Element;
    };
    struct Schritt {
        Schrittart Art{};
        // A compaction: the indices the records had, and the records while the step is done.
        std::vector<int> EntferntBei;
        std::vector<TElement> Entfernt;
        // Changed elements: while done each as it was before, while undone as it was after.
        std::vector<Satz> Geaendert;
        // Elements whose pick flag alone the step changed.
        std::vector<int> Umgepickt;
        // Appended elements Ab+1..Bis, held here while the step is undone.
        int Ab = 0;
        int Bis = 0;
        std::vector<TElement> Angehaengt;
        // The settings as they were (done) or became (undone), when the step changed them.
        std::optional<Einstellungswerte> Einstellungen;
        // Picks changed after the step, before the next step or the undo.
        std::vector<int> Danach;
        // Picks changed while the step was undone: redo takes them back first, so it gives the
        // drawing as the step left it, and undo gives them again.
        std::vector<int> Davor;
        // Whether the step changes what a save writes ("Aufräumen" only drops deleted records).
        bool Inhalt = true;
        std::size_t Bytes = 0;
    };

    void Oeffnen(Zeichnung& z, Schrittart art);
    void Schliessen(Zeichnung& z);
    void Aufnehmen(Zeichnung& z);
    TElement& Aendern(Zeichnung& z, int i);
    void Aufraeumen(Zeichnung& z);

    // Whether the store has the size the history last saw.
    bool Stimmig(const Elementspeicher& s) const;
    // Picks changed since the last step, undo or redo go to the step done last.
    void Falten(const Elementspeicher& s);
    // Before an undo or redo: false (and a fresh history) when the store no longer fits the
    // history, else the picks since are folded in.
    bool Bereit(const Elementspeicher& s);
    void WahlMerken(const Elementspeicher& s);
    void Zufuegen(std::vector<int>& liste, const std::vector<int>& neu);
    void Beenden(Zeichnung& z);
    // Whether the steps between the saved drawing and now change nothing a save writes.
    bool WieGespeichert() const;
    void Melden() const;

    std::deque<Schritt> schritte_;
    std::size_t position_ = 0; // steps done; the rest can be redone
    long gespeichert_ = 0;     // position of the saved drawing, -1 when no longer reachable
    std::size_t bytes_ = 0;
    // The pick flags as the last step, undo or redo left them.
    std::vector<std::uint8_t> wahl_;

    // The step being recorded.
    int tiefe_ = 0;
    bool verworfen_ = false;
    Schritt offen_;
    int anfangsAnzahl_ = 0;
    Einstellungswerte vorher_;
    std::vector<std::uint32_t> gemerkt_;
    std::uint32_t marke_ = 0;
};

// One edit in progress: from its start to its end every change of the drawing belongs to one
// step, which the end records (nothing when nothing changed). Every editing function opens one;
// a command or tool whose edit takes several calls (a figure of many strokes, a drag, a dialog
// that edits settings) opens one around them, and those of the calls join it.
class Bearbeitung {
  public:
    Bearbeitung(Zeichnung& z, Schrittart art);
    ~Bearbeitung();
    Bearbeitung(const Bearbeitung&) = delete;
    Bearbeitung& operator=(const Bearbeitung&) = delete;

    // Element i, kept as it is before its first change: call it for every element that existed
    // when the edit began, before changing it. Elements the edit appended need no call.
    TElement& Aendern(int i);
    // Drops the deleted elements, as the first change of the edit.
    void Aufraeumen();

  private:
    Zeichnung& z_;
};

} // namespace vektra
