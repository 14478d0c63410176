#include "editing/Verlaufsbefehle.h"

#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "text/Qtext.h"
#include "view/Maler.h"

#include <QAction>

Verlaufsbefehle::Verlaufsbefehle(Fensterdienste& fenster, QAction* rueckgaengig, QAction* wiederherstellen)
    : QObject(rueckgaengig), f_(fenster), rueckgaengig_(rueckgaengig), wiederherstellen_(wiederherstellen) {
    connect(rueckgaengig_, &QAction::triggered, this, &Verlaufsbefehle::undeleteClick);
    connect(wiederherstellen_, &QAction::triggered, this, &Verlaufsbefehle::WiederherstellenClick);
    f_.Dokument().Verlauf.Beobachter = [this] { Anzeigen(); };
    Anzeigen();
}

void Verlaufsbefehle::Anzeigen() {
    const vektra::Verlauf& v = f_.Dokument().Verlauf;
    rueckgaengig_->setEnabled(v.KannRueckgaengig());
    wiederherstellen_->setEnabled(v.KannWiederherstellen());
}

namespace {

// The drawing and every control that shows its settings follow the step; the status line then
// says which it was.
void Zeigen(Fensterdienste& f, vektra::Schrittart art, const char* schluessel) {
    f.DokumentUebernehmen();
    f.Painter().FadenkreuzLoeschen();
    f.zeichneneu();
    f.StatusSetzen(0, Tq(schluessel, {vektra::Schrittname(art)}));
}

} // namespace

void Verlaufsbefehle::undeleteClick() {
    vektra::Zeichnung& z = f_.Dokument();
    if (const auto art = z.Verlauf.Rueckgaengig(z)) Zeigen(f_, *art, "v.Rueckgaengig");
}

void Verlaufsbefehle::WiederherstellenClick() {
    vektra::Zeichnung& z = f_.Dokument();
    if (const auto art = z.Verlauf.Wiederherstellen(z)) Zeigen(f_, *art, "v.Wiederhergestellt");
}
