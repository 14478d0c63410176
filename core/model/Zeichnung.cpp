#include "model/Zeichnung.h"

namespace vektra {

void Zeichnung::KopfsatzAuffrischen() {
    Kopfsatz& k = Kopf;
    const auto zehn = [](const std::string& s) { return s.substr(0, 10); };
    k.PixelBreiteDialog = Dialog.PixelBreiteDialog;
    k.Unitlength = zehn(Dialog.Unitlength);
    k.TeXBreiteUnsichtbar = zehn(Dialog.TeXBreite[0]);
    k.TeXBreiteDuenn = zehn(Dialog.TeXBreite[1]);
    k.TeXBreiteNormal = zehn(Dialog.TeXBreite[2]);
    k.TeXBreiteDick = zehn(Dialog.TeXBreite[3]);
    k.Clipaktiv = Dialog.Clipaktiv;
    k.ClipLinks = Dialog.ClipLinks;
    k.ClipRechts = Dialog.ClipRechts;
    k.ClipOben = Dialog.ClipOben;
    k.ClipUnten = Dialog.ClipUnten;
    k.x_off = zehn(Dialog.x_off);
    k.y_off = zehn(Dialog.y_off);
}

void Zeichnung::DialogwerteUebernehmen() {
    const Kopfsatz& k = Kopf;
    Dialog.PixelBreiteDialog = k.PixelBreiteDialog;
    Dialog.Unitlength = k.Unitlength;
    Dialog.TeXBreite = {k.TeXBreiteUnsichtbar, k.TeXBreiteDuenn, k.TeXBreiteNormal, k.TeXBreiteDick};
    Dialog.Clipaktiv = k.Clipaktiv;
    Dialog.ClipLinks = k.ClipLinks;
    Dialog.ClipRechts = k.ClipRechts;
    Dialog.ClipOben = k.ClipOben;
    Dialog.ClipUnten = k.ClipUnten;
    Dialog.x_off = k.x_off;
    Dialog.y_off = k.y_off;
}

} // namespace vektra
