#include "editing/Tastatur.h"

#include "curves/TKurvenform.h"
#include "editing/Ablagebefehle.h"
#include "editing/Ansichtsbefehle.h"
#include "editing/Auswahlbefehle.h"
#include "editing/Interaktion.h"
#include "editing/Makrotasten.h"
#include "editing/Stiftbefehle.h"
#include "editing/Verlaufsbefehle.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Maler.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// The table, in the order its rows are looked at. Letters and digits are the keys that give
// them in the current keyboard layout; "Strg" means Ctrl and nothing else held.
const std::array<Tastatur::Zeile, 20> Tastatur::Tabelle{{
    {Qt::Key_Escape, Block::Egal, Mit::Nichts, [](Tastatur& t) { return t.Makromodus(); },
     [](Tastatur& t, const Taste&) { t.f_.ModusSetzen(Modus::Neutral); }, true},
    {JedeAusserStrg, Block::Egal, Mit::Nichts, [](Tastatur& t) { return t.Makromodus(); },
     [](Tastatur& t, const Taste& k) {
         // Letters come as their upper-case character, digits as themselves; keys that give
         // no character as none.
         if (t.makro_) t.makro_->MakroZurTaste(k.taste < 0x10000 ? QChar(char16_t(k.taste)) : QChar());
     },
     false},
    {Qt::Key_G, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) {
         t.f_.Zustand().ignoriereBewegung = true;
         t.f_.Painter().FadenkreuzLoeschen();
         t.b_.ansicht.GitterUmschalten();
     },
     true},
    {Qt::Key_0, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.stift.BreiteWaehlen(0); }, false},
    {Qt::Key_1, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.stift.BreiteWaehlen(1); }, false},
    {Qt::Key_2, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.stift.BreiteWaehlen(2); }, false},
    {Qt::Key_3, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.stift.BreiteWaehlen(3); }, false},
    {Qt::Key_Z, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.verlauf.undeleteClick(); }, false},
    {Qt::Key_Y, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.verlauf.WiederherstellenClick(); }, false},
    {Qt::Key_M, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) {
         if (t.makro_) t.makro_->MakrotastenModus();
     },
     false},
    {Qt::Key_R, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) {
         if (t.makro_) t.makro_->MakroWiederholen();
     },
     false},
    {Qt::Key_Plus, Block::Nur, Mit::Strg, [](Tastatur& t) { return t.f_.Dokument().Kopf.Zoomstufe < 8; },
     [](Tastatur& t, const Taste&) { t.b_.ansicht.ZoomTaste(true); }, false},
    {Qt::Key_Minus, Block::Nur, Mit::Strg, [](Tastatur& t) { return t.f_.Dokument().Kopf.Zoomstufe > 0; },
     [](Tastatur& t, const Taste&) { t.b_.ansicht.ZoomTaste(false); }, false},
    {Qt::Key_S, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.ansicht.SnapUmschalten(); }, false},
    {Qt::Key_A, Block::Nie, Mit::Strg, nullptr,
     [](Tastatur& t, const Taste&) { t.b_.auswahl.AllesWaehlen(); }, false},
    {Qt::Key_C, Block::Nie, Mit::Strg, nullptr, [](Tastatur& t, const Taste&) { t.b_.ablage.kopieren(); },
     false},
    {Qt::Key_V, Block::Nie, Mit::Strg, nullptr, [](Tastatur& t, const Taste&) { t.b_.ablage.einfuegen(); },
     false},
    {Qt::Key_X, Block::Nie, Mit::Strg, nullptr, [](Tastatur& t, const Taste&) { t.b_.ablage.ausschneiden(); },
     false},
    {Qt::Key_Delete, Block::Egal, Mit::Beliebig, [](Tastatur&) { return !KurvenfeldHatFokus(); },
     [](Tastatur& t, const Taste&) { t.b_.auswahl.DeleteClick(); }, false},
    {Qt::Key_Escape, Block::Egal, Mit::Beliebig, nullptr,
     [](Tastatur& t, const Taste&) {
         t.f_.Painter().FadenkreuzLoeschen();
         t.b_.auswahl.UnpickClick();
         t.f_.ModusSetzen(t.vorher_);
     },
     false},
}};

Tastatur::Tastatur(Fensterdienste& dienste, QWidget& fenster, Befehle befehle)
    : QObject(&fenster), f_(dienste), fenster_(fenster), b_(befehle) {
    // The window sees its controls' keys before they do; events of other windows pass.
    qApp->installEventFilter(this);
}

bool Tastatur::Passt(const Zeile& z, const Taste& t) {
    if (z.taste == JedeAusserStrg ? t.taste == Qt::Key_Control : t.taste != z.taste) return false;
    if ((z.block == Block::Nur && !t.ziffernblock) || (z.block == Block::Nie && t.ziffernblock)) return false;
    switch (z.mit) {
    case Mit::Nichts:
        return t.umschalter == Qt::NoModifier && !t.maustaste;
    case Mit::Strg:
        return t.umschalter == Qt::ControlModifier && !t.maustaste;
    case Mit::Beliebig:
        break;
    }
    return true;
}

bool Tastatur::Makromodus() const {
    return f_.AktuellerModus() == Modus::Makrotaste;
}

bool Tastatur::KurvenfeldHatFokus() {
    const QWidget* w = QApplication::focusWidget();
    if (!w || !qobject_cast<const TKurvenform*>(w->window())) return false;
    const QString& n = w->objectName();
    return n == QLatin1String("x_Edit") || n == QLatin1String("y_Edit") || n == QLatin1String("von") ||
           n == QLatin1String("bis");
}

void Tastatur::FormKeyUp(const QKeyEvent& e, Qt::KeyboardModifiers beimDruecken) {
    Taste t;
    t.taste = e.key();
    t.ziffernblock = beimDruecken.testFlag(Qt::KeypadModifier);
    t.umschalter =
        beimDruecken & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // A released modifier key is no longer held, whether or not the platform still reports it.
    switch (e.key()) {
    case Qt::Key_Shift:
        t.umschalter &= ~Qt::ShiftModifier;
        break;
    case Qt::Key_Control:
        t.umschalter &= ~Qt::ControlModifier;
        break;
    case Qt::Key_Alt:
        t.umschalter &= ~Qt::AltModifier;
        break;
    case Qt::Key_Meta:
        t.umschalter &= ~Qt::MetaModifier;
        break;
    default:
        break;
    }
    t.maustaste = QApplication::mouseButtons() != Qt::NoButton;
    vorher_ = f_.AktuellerModus();
    for (const Zeile& z : Tabelle) {
        if (!Passt(z, t) || (z.bedingung && !z.bedingung(*this))) continue;
        z.aktion(*this, t);
        if (z.halt) break;
    }
}

bool Tastatur::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
    const auto* w = qobject_cast<const QWidget*>(objekt);
    if (!w || w->window() != &fenster_) return false;
    const auto* k = static_cast<const QKeyEvent*>(e);
    // Held keys repeat their press and release; only the last release counts.
    if (k->isAutoRepeat()) return false;
    // A key travels from the focused control up to the window; it counts once, at the first.
    const int welche = k->nativeScanCode() != 0 ? static_cast<int>(k->nativeScanCode()) : k->key();
    if (e->type() == QEvent::KeyPress) {
        gedrueckt_.insert(welche, k->modifiers());
        return false;
    }
    if (const auto gedrueckt = gedrueckt_.find(welche); gedrueckt != gedrueckt_.end()) {
        const Qt::KeyboardModifiers beimDruecken = *gedrueckt;
        gedrueckt_.erase(gedrueckt);
        FormKeyUp(*k, beimDruecken);
    }
    return false;
}
