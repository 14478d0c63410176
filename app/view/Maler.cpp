#include "view/Maler.h"

#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Texte.h"
#include "view/Lineal.h"
#include "view/MyDraw.h"
#include "view/Textsatz.h"
#include "view/Umriss.h"

#include <algorithm>

using vektra::TElement;

namespace {

// The pixel value of a colour 0x00BBGGRR.
QRgb Bildpixel(std::int32_t farbe) {
    const auto f = static_cast<std::uint32_t>(farbe);
    return qRgb(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF),
                static_cast<int>((f >> 16) & 0xFF));
}

} // namespace

QColor Bildfarbe(std::int32_t farbe) {
    return QColor::fromRgb(Bildpixel(farbe));
}

std::int32_t Farbwert(const QColor& farbe) {
    const QColor c = farbe.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(c.red()) |
                                     static_cast<std::uint32_t>(c.green()) << 8 |
                                     static_cast<std::uint32_t>(c.blue()) << 16);
}

const QColor Maler::GepicktFarbe = Bildfarbe(vektra::GepicktFarbe);
const QColor Maler::KandidatFarbe = Bildfarbe(vektra::KandidatFarbe);
const QColor Maler::UnsichtbarFarbe = Bildfarbe(vektra::UnsichtbarFarbe);

Maler::Maler(vektra::Zeichnung& doc, vektra::Ansicht& view, MyDraw& ZF, Lineal& PaintBoxv, Lineal& PaintBoxh)
    : doc_(doc), view_(view), zf_(ZF), vLineal_(PaintBoxv), hLineal_(PaintBoxh) {}

void Maler::zeichneneu(const std::function<void()>& modusWiederAnwenden) {
    Leinwand& L = zf_.Flaeche();
    const Stift gemerkt = L.Zustand;
    const std::uint8_t figurGemerkt = Figur;
    zeichnetGerade = true;

    // Widgets that have not been shown got no resize yet.
    zf_.Abgleichen();
    vLineal_.Abgleichen();
    hLineal_.Abgleichen();
    view_.Zoomfaktor = vektra::ZoomFuer(doc_.Kopf.Zoomstufe).Faktor;
    view_.Hoehe = zf_.height();

    {
        Leinwand::Stapel s1(L), s2(vLineal_.Flaeche()), s3(hLineal_.Flaeche());
        Stift weiss;
        weiss.Farbe = Qt::white;
        weiss.Pinselfarbe = Qt::white;
        for (Leinwand* l : {&L, &vLineal_.Flaeche(), &hLineal_.Flaeche()}) {
            l->Zustand = weiss;
            l->FillRect(QRect(0, 0, l->Breite(), l->Hoehe() + 1));
        }
        vLineal_.Flaeche().Zustand.Farbe = Qt::black;
        hLineal_.Flaeche().Zustand.Farbe = Qt::black;

        if (Gitter) GitterZeichnen();
        L.Zustand.Farbe = Qt::black;

        // The picture under the cross is gone; it is drawn again once the elements are on.
        const bool kreuz = kreuzGezeigt_;
        kreuzGezeigt_ = false;
        // Ebene 0 first and the highest drawn one last, each in creation order; one walk over the
        // store sorts them.
        for (std::vector<int>& fach : ebenen_)
            fach.clear();
        const int anzahl = doc_.Elemente.Anzahl();
        for (int i = 1; i <= anzahl; ++i) {
            const std::int32_t ebene = doc_.Elemente[i].Ebene;
            if (vektra::EbeneGezeichnet(ebene)) ebenen_[static_cast<std::size_t>(ebene)].push_back(i);
        }
        // Each element is read from memory a few elements ahead of its drawing, so the walk does
        // not wait for the store at every element.
        constexpr std::size_t Voraus = 8;
        for (const std::vector<int>& fach : ebenen_)
            for (std::size_t j = 0; j < fach.size(); ++j) {
                if (j + Voraus < fach.size()) __builtin_prefetch(&doc_.Elemente[fach[j + Voraus]]);
                ElementZeichnen(fach[j]);
            }
        if (kreuz) {
            KreuzMalen();
            kreuzGezeigt_ = true;
        }
    }

    bereit = true;
    zeichnetGerade = false;
    ++generation_;
    if (modusWiederAnwenden) modusWiederAnwenden();

    L.Zustand.Farbe = gemerkt.Farbe;
    L.Zustand.Pinselfarbe = gemerkt.Pinselfarbe;
    L.Zustand.Breite = gemerkt.Breite;
    Figur = figurGemerkt;
}

void Maler::GitterZeichnen() {
    Leinwand& L = zf_.Flaeche();
    Leinwand& V = vLineal_.Flaeche();
    Leinwand& H = hLineal_.Flaeche();
    const vektra::Zoomeintrag& z = vektra::ZoomFuer(doc_.Kopf.Zoomstufe);
    const int breite = L.Breite(), hoehe = view_.Hoehe;
    const QColor rot(255, 0, 0), grau(128, 128, 128);
    L.Zustand.Breite = 1;

    // 64-bit values, so an origin near the end of the 32-bit range cannot overflow the loops.
    const long long oben = vektra::Runden(view_.PixelNachY(1) + 0.5);
    const long long unten = vektra::Runden(view_.PixelNachY(hoehe) + 0.5);
    for (long long v = unten; v <= oben; ++v) {
        const int zeile = view_.YNachPixel(static_cast<double>(v));
        if (v % z.Haupt == 0) {
            L.Zustand.Farbe = rot;
            const QString zahl = QString::number(v);
            V.TextOut(1, zeile - L.TextExtent(zahl).height() / 2, zahl);
        } else {
            L.Zustand.Farbe = grau;
        }
        if (v % z.Neben == 0) {
            L.MoveTo(0, zeile);
            L.LineTo(breite, zeile);
        }
    }

    const long long links = vektra::Runden(view_.PixelNachX(0) + 0.5);
    const long long rechts = vektra::Runden(view_.PixelNachX(breite) - 0.5);
    const int versatz = vLineal_.width();
    for (long long v = links; v <= rechts; ++v) {
        const int spalte = view_.XNachPixel(static_cast<double>(v));
        if (v % z.Haupt == 0) {
            L.Zustand.Farbe = rot;
            const QString zahl = QString::number(v);
            H.TextOut(spalte + versatz - H.TextExtent(zahl).width() / 2, 1, zahl);
        } else {
            L.Zustand.Farbe = grau;
        }
        if (v % z.Neben == 0) {
            L.MoveTo(spalte, 0);
            L.LineTo(spalte, hoehe);
        }
    }
}

QColor Maler::Elementfarbe(const TElement& e) const {
    return Bildfarbe(vektra::Bildfarbe(e, true));
}

void Maler::ElementStift(const TElement& e) {
    Stift& s = zf_.Flaeche().Zustand;
    s.Farbe = Elementfarbe(e);
    s.Schriftfarbe = s.Farbe;
    if (e.Art == vektra::Text) return;
    s.Breite = vektra::Bildbreite(doc_.Kopf, e.Breite);
}

void Maler::ElementZeichnen(int i) {
    if (i < 1 || i > doc_.Elemente.Anzahl()) return;
    Leinwand& L = zf_.Flaeche();
    Stift& s = L.Zustand;
    s.NichtXor = XorModus;
    const TElement& e = doc_.Elemente[i];
    if (e.geloescht) return;

    // Elements are always solid, even while a tool has a dotted pen set for its rubber band.
    const bool gepunktet = s.Gepunktet;
    if (e.istStrich()) {
        if (vektra::Bildbreite(doc_.Kopf, e.Breite) == 0) return;
        ElementStift(e);
        s.Gepunktet = false;
        Figur = FigurLinie;
        FigurZeichnen(QPoint(view_.XNachPixel(e.x1), view_.YNachPixel(e.y1)),
                      QPoint(view_.XNachPixel(e.x2), view_.YNachPixel(e.y2)), XorModus);
        s.Gepunktet = gepunktet;
    } else if (e.Art == vektra::Kreis) {
        if (vektra::Bildbreite(doc_.Kopf, e.Breite) == 0) return;
        ElementStift(e);
        s.Gepunktet = false;
        s.PinselKlar = !e.gefuellt;
        if (e.gefuellt) s.Pinselfarbe = s.Farbe;
        Figur = FigurEllipse;
        const double r = e.Durchmesser / 2;
        FigurZeichnen(QPoint(view_.XNachPixel(e.x1 + r), view_.YNachPixel(e.y1 + r)),
                      QPoint(view_.XNachPixel(e.x1 - r), view_.YNachPixel(e.y1 - r)), XorModus);
        s.PinselKlar = true;
        s.Gepunktet = gepunktet;
    } else if (e.Art == vektra::Text) {
        ElementStift(e);
        const bool fettVorher = s.Fett;
        QString text;
        switch (doc_.Kopf.Textanzeige) {
        case 0:
            text = QStringLiteral("T");
            s.Fett = true;
            break;
        case 2:
            break;
        case 3:
            text = QString::fromStdString(vektra::Cp1252NachUtf8(e.Ausrichtung));
            s.Fett = true;
            break;
        default:
            if (Satz && !XorModus &&
                Satz->Malen(L, e, QPoint(view_.XNachPixel(e.x1), view_.YNachPixel(e.y1)), s.Schriftfarbe))
                break;
            text = QString::fromStdString(vektra::Cp1252NachUtf8(e.Text));
            s.Fett = false;
            break;
        }
        if (!text.isEmpty()) {
            const QSize masse = L.TextExtent(text);
            const vektra::Textversatz v =
                vektra::TextversatzFuer(e.Ausrichtung, masse.width(), masse.height());
            L.TextOut(view_.XNachPixel(e.x1) - static_cast<int>(v.dx),
                      view_.YNachPixel(e.y1) - static_cast<int>(v.dy), text);
        }
        s.Fett = fettVorher;
    }
}

void Maler::GepickteFigurenZeichnen() {
    Leinwand& L = zf_.Flaeche();
    const Stift gemerkt = L.Zustand;
    const std::uint8_t figurGemerkt = Figur;
    const bool kreuz = kreuzGezeigt_;
    if (kreuz) KreuzMalen();
    kreuzGezeigt_ = false;
    struct Gruppe {
        QRgb farbe;
        int breite;
        std::vector<QLine> linien;
    };
    std::vector<Gruppe> gruppen;
    {
        Leinwand::Stapel stapel(L);
        const QRect flaeche(0, 0, L.Breite(), L.Hoehe());
        const vektra::Elementspeicher& s = doc_.Elemente;
        for (int i = 1; i <= s.Anzahl(); ++i) {
            const TElement& e = s[i];
            if (!e.gepickt || e.geloescht || e.Art == vektra::Text) continue;
            if (!e.istStrich()) {
                ElementZeichnen(i);
                continue;
            }
            const int breite = vektra::Bildbreite(doc_.Kopf, e.Breite);
            if (breite == 0) continue;
            const QLine linie(view_.XNachPixel(e.x1), view_.YNachPixel(e.y1), view_.XNachPixel(e.x2),
                              view_.YNachPixel(e.y2));
            // A line wholly off the surface leaves no pixel there, now or when it is erased.
            if (!Schneidet(flaeche, Umriss(linie.p1(), linie.p2(), breite))) continue;
            const QRgb farbe = Bildpixel(vektra::Bildfarbe(e, true));
            auto g = std::find_if(gruppen.begin(), gruppen.end(),
                                  [&](const Gruppe& x) { return x.farbe == farbe && x.breite == breite; });
            if (g == gruppen.end()) g = gruppen.insert(gruppen.end(), {farbe, breite, {}});
            g->linien.push_back(linie);
        }
        for (const Gruppe& g : gruppen) {
            L.Zustand.Farbe = QColor::fromRgb(g.farbe);
            L.Zustand.Breite = g.breite;
            L.Zustand.Gepunktet = false;
            L.Zustand.NichtXor = XorModus;
            L.Linien(g.linien);
        }
    }
    L.Zustand = gemerkt;
    Figur = figurGemerkt;
    if (kreuz) {
        KreuzMalen();
        kreuzGezeigt_ = true;
    }
}

void Maler::FigurZeichnen(QPoint p1, QPoint p2, bool nichtXor) {
    Leinwand& L = zf_.Flaeche();
    L.Zustand.NichtXor = nichtXor;
    switch (Figur) {
    case FigurLinie: {
        Leinwand::Stapel stapel(L);
        const bool kreuz = kreuzGezeigt_;
        if (kreuz) KreuzMalen();
        L.MoveTo(p1.x(), p1.y());
        L.LineTo(p2.x(), p2.y());
        if (kreuz) KreuzMalen();
        break;
    }
    case FigurRechteck:
        L.Rectangle(p1.x(), p1.y(), p2.x(), p2.y());
        break;
    case FigurEllipse:
        L.Ellipse(p1.x(), p1.y(), p2.x(), p2.y());
        break;
    default:
        break;
    }
}

void Maler::KreuzMalen() {
    Leinwand& L = zf_.Flaeche();
    const Stift gemerkt = L.Zustand;
    const QPoint position = L.Position();
    L.Zustand.Farbe = Qt::black;
    L.Zustand.Breite = 2;
    L.Zustand.Gepunktet = false;
    L.Zustand.NichtXor = true;
    {
        Leinwand::Stapel stapel(L);
        L.MoveTo(kreuz_.x() - 5, kreuz_.y());
        L.LineTo(kreuz_.x() + 5, kreuz_.y());
        L.MoveTo(kreuz_.x(), kreuz_.y() - 5);
        L.LineTo(kreuz_.x(), kreuz_.y() + 5);
    }
    L.Zustand = gemerkt;
    L.MoveTo(position.x(), position.y());
}

void Maler::FadenkreuzZeichnen(QPoint snapPixel) {
    Leinwand::Stapel stapel(zf_.Flaeche());
    if (kreuzGezeigt_) KreuzMalen();
    kreuz_ = snapPixel;
    KreuzMalen();
    kreuzGezeigt_ = true;
    if (Positionsanzeige) {
        const long long x = vektra::Runden(view_.PixelNachX(snapPixel.x()));
        const long long y = vektra::Runden(view_.PixelNachY(snapPixel.y()));
        Positionsanzeige(QString::fromStdString(vektra::Formatieren(vektra::T("v.Position"), {x, y})));
    }
}

void Maler::FadenkreuzLoeschen() {
    if (!kreuzGezeigt_) return;
    KreuzMalen();
    kreuzGezeigt_ = false;
}
