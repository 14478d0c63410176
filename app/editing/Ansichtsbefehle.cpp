#include "editing/Ansichtsbefehle.h"

#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Maler.h"
#include "view/MyDraw.h"
#include "view/Zoomen.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>

#include <algorithm>

Ansichtsbefehle::Ansichtsbefehle(Fensterdienste& fenster, Ansichtsteile teile)
    : QObject(&fenster.Flaeche()), f_(fenster), t_(teile) {}

void Ansichtsbefehle::ZoommenueSetzen() {
    const int stufe = std::clamp<int>(f_.Dokument().Kopf.Zoomstufe, 0, 8);
    const auto aktionen = t_.Zoomgruppe->actions();
    for (QAction* a : aktionen)
        a->setChecked(a->data().toInt() == stufe);
}

void Ansichtsbefehle::Zoomflaeche(QPoint a, QPoint b) {
    vektra::Ansicht& v = f_.Sicht();
    v.Zoomfaktor = vektra::ZoomFuer(f_.Dokument().Kopf.Zoomstufe).Faktor;
    const auto neu = vektra::ZoomFlaeche(v, a.x(), a.y(), b.x(), b.y(), f_.Flaeche().width());
    if (!neu) return;
    zielX_ = v.NullX;
    zielY_ = v.NullY;
    zielStufe_ = f_.Dokument().Kopf.Zoomstufe;
    v.NullX = neu->NullX;
    v.NullY = neu->NullY;
    f_.Dokument().Kopf.Zoomstufe = static_cast<std::int16_t>(neu->Zoomstufe);
    ZoommenueSetzen();
    t_.unzoombutton->setEnabled(true);
    f_.zeichneneu();
}

void Ansichtsbefehle::unzoombuttonClick() {
    vektra::Ansicht& v = f_.Sicht();
    v.NullX = zielX_;
    v.NullY = zielY_;
    f_.Dokument().Kopf.Zoomstufe = zielStufe_;
    ZoommenueSetzen();
    t_.unzoombutton->setEnabled(false);
    f_.zeichneneu();
}

void Ansichtsbefehle::zoommenuclick(int stufe) {
    std::int16_t& zoom = f_.Dokument().Kopf.Zoomstufe;
    const bool anders = stufe != zoom;
    zoom = static_cast<std::int16_t>(stufe);
    ZoommenueSetzen();
    if (anders) f_.zeichneneu();
}

void Ansichtsbefehle::ZoomTaste(bool hinein) {
    std::int16_t& zoom = f_.Dokument().Kopf.Zoomstufe;
    const int neu = vektra::Zoomschritt(zoom, hinein);
    if (neu == zoom) return;
    Maler& maler = f_.Painter();
    const bool kreuz = maler.FadenkreuzGezeigt();
    const QPoint wo = maler.FadenkreuzPosition();
    maler.FadenkreuzLoeschen();
    zoom = static_cast<std::int16_t>(neu);
    ZoommenueSetzen();
    f_.zeichneneu();
    if (kreuz) maler.FadenkreuzZeichnen(wo);
}

void Ansichtsbefehle::Gitter1Click() {
    f_.Painter().Gitter = t_.Gitter1->isChecked();
    f_.zeichneneu();
}

void Ansichtsbefehle::GitterUmschalten() {
    t_.Gitter1->setChecked(!t_.Gitter1->isChecked());
    Gitter1Click();
}

void Ansichtsbefehle::snapcheckClick() {
    f_.Dokument().Kopf.Snap = t_.snapcheck->isChecked();
    f_.Sicht().Snap = t_.snapcheck->isChecked();
}

void Ansichtsbefehle::SnapUmschalten() {
    t_.snapcheck->setChecked(!t_.snapcheck->isChecked());
    snapcheckClick();
}

void Ansichtsbefehle::SnapboxChange(int index) {
    f_.Dokument().Kopf.Snapstufe = static_cast<std::int16_t>(index);
    if (index >= 0 && index <= 9) f_.Sicht().Schritt = vektra::SnapschrittFuer(index);
    f_.Flaeche().setFocus();
}

void Ansichtsbefehle::gotozeroClick() {
    f_.Sicht().NullX = vektra::StartNullX;
    f_.Sicht().NullY = vektra::StartNullY;
    f_.zeichneneu();
}

void Ansichtsbefehle::AusDokument() {
    const vektra::Kopfsatz& k = f_.Dokument().Kopf;
    t_.snapcheck->setChecked(k.Snap);
    f_.Sicht().Snap = k.Snap;
    if (k.Snapstufe >= 0 && k.Snapstufe < t_.Snapbox->count()) t_.Snapbox->setCurrentIndex(k.Snapstufe);
    f_.Sicht().Schritt = vektra::SnapschrittFuer(k.Snapstufe);
    // A level out of range shows as the level the view uses for it.
    ZoommenueSetzen();
}
