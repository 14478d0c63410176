#include "Konverter.h"

#include "Kurvenkommando.h"

#include "files/LatexExport.h"
#include "files/Makrodatei.h"
#include "files/PsExport.h"
#include "files/TikzExport.h"
#include "files/TikzLesen.h"
#include "files/VektraLesen.h"
#include "files/Zeichnungsdatei.h"
#include "text/Abbruch.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>

namespace vektra {

namespace {

// "X,Y" as two numbers.
bool PunktLesen(std::string_view text, double& x, double& y) {
    const std::size_t komma = text.find(',');
    return komma != std::string_view::npos && ZahlLesen(text.substr(0, komma), x) &&
           ZahlLesen(text.substr(komma + 1), y);
}

bool EndetAuf(std::string_view name, std::string_view endung) {
    if (name.size() < endung.size()) return false;
    const std::string_view ende = name.substr(name.size() - endung.size());
    return std::equal(endung.begin(), endung.end(), ende.begin(), [](char klein, char c) {
        return c == klein || (klein >= 'a' && klein <= 'z' && c == klein - 'a' + 'A');
    });
}

} // namespace

Ausgabeart AusgabeartVon(std::string_view pfad) {
    if (EndetAuf(pfad, ".vks")) return Ausgabeart::Zeichnung;
    if (EndetAuf(pfad, ".vkx")) return Ausgabeart::Bild;
    if (EndetAuf(pfad, ".vkp")) return Ausgabeart::PostScript;
    if (EndetAuf(pfad, ".vkm")) return Ausgabeart::Makro;
    if (EndetAuf(pfad, ".svg")) return Ausgabeart::Svg;
    if (EndetAuf(pfad, ".png")) return Ausgabeart::Png;
    if (EndetAuf(pfad, ".pdf")) return Ausgabeart::Pdf;
    if (EndetAuf(pfad, ".tikz")) return Ausgabeart::Tikz;
    return Ausgabeart::Unbekannt;
}

bool MitCairo(Ausgabeart art) {
    return art == Ausgabeart::PostScript || art == Ausgabeart::Svg || art == Ausgabeart::Png ||
           art == Ausgabeart::Pdf;
}

int AusgabeSchreiben(Zeichnung& z, const std::string& ausgabe, Meldungen& m, Cairoausgabe cairo, double rx,
                     double ry, double massstab, Textkodierung kodierung, const Tikzoptionen& tikz) {
    const Ausgabeart art = AusgabeartVon(ausgabe);
    if (MitCairo(art)) return cairo ? cairo(z, ausgabe, art, m, massstab, kodierung) : CairoNoetig;
    bool geschrieben = false;
    switch (art) {
    case Ausgabeart::Zeichnung:
        geschrieben = ZeichnungSchreibenDatei(ausgabe, z, m);
        break;
    case Ausgabeart::Bild:
        geschrieben = LatexExportDatei(z, ausgabe, m, kodierung);
        break;
    case Ausgabeart::Makro:
        geschrieben = MakroSpeichern(z, rx, ry, ausgabe, m);
        break;
    case Ausgabeart::Tikz:
        geschrieben = TikzExportDatei(z, ausgabe, m, tikz);
        break;
    default: // Unbekannt; the outputs drawn with cairo went above
        m.Melden(Meldungsart::Fehler, T("v.KonvAusgabeUnbekannt") + ausgabe);
        return FalscherAufruf;
    }
    return geschrieben ? KonvertiertOk : KonvertiertNicht;
}

void Strommeldungen::Melden(Meldungsart, const std::string& text, int zeile) {
    // A text that already begins with the input's name is not prefixed twice.
    if (text.starts_with(quelle_ + ": "))
        err_ << text << '\n';
    else if (zeile > 0)
        err_ << quelle_ << ':' << zeile << ": " << text << '\n';
    else
        err_ << quelle_ << ": " << text << '\n';
}

Antwort Strommeldungen::Fragen(Meldungsart art, const std::string& text, Knoepfe knoepfe) {
    Melden(art, text);
    return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Ja;
}

namespace {

// Konvertieren without its guard against exceptions.
int Umwandeln(std::span<const std::string> args, std::ostream& aus, std::ostream& err, Cairoausgabe cairo) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        for (const char* teil :
             {"v.KonvHilfe", "v.KonvHilfe2", "v.KonvHilfe3", "v.KonvHilfe4", "v.KonvHilfe5", "v.KonvHilfe6"})
            aus << T(teil);
        return KonvertiertOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        aus << Formatieren(T("v.KonvVersion"), {T("v.Version")});
        return KonvertiertOk;
    }
    if (!args.empty() && args[0] == "--curve") {
        // A plotted curve has no input file; its messages carry the option's name instead.
        Strommeldungen m("--curve", err);
        Kurvenkommando k;
        std::string fehler;
        if (!cairo && KurvenkommandoLesen(args, k, fehler) && MitCairo(AusgabeartVon(k.Ausgabe)))
            return CairoNoetig;
        Zeichnung z;
        std::string ausgabe;
        const int ergebnis = KurvenkommandoAusfuehren(args, z, m, ausgabe);
        if (ausgabe.empty()) return ergebnis;
        const int geschrieben = AusgabeSchreiben(z, ausgabe, m, cairo);
        return geschrieben == KonvertiertOk ? ergebnis : geschrieben;
    }
    // The two names, the macro's reference point, the preview's scale and the text encoding,
    // which may come anywhere among them.
    std::vector<std::string> namen;
    const std::string* ref = nullptr;
    const std::string* skala = nullptr;
    bool utf8 = false, cp1252 = false, eigenstaendig = false;
    bool unbekannt = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--ref" && i + 1 < args.size())
            ref = &args[++i];
        else if (args[i] == "--scale" && i + 1 < args.size())
            skala = &args[++i];
        else if (args[i] == "--utf8")
            utf8 = true;
        else if (args[i] == "--cp1252")
            cp1252 = true;
        else if (args[i] == "--standalone")
            eigenstaendig = true;
        else if (args[i].starts_with("-"))
            unbekannt = true;
        else
            namen.push_back(args[i]);
    }
    if (unbekannt || namen.size() != 2 || namen[0].empty() || namen[1].empty()) {
        err << T("v.KonvAufruf") << '\n';
        return FalscherAufruf;
    }
    const std::string& eingabe = namen[0];
    const std::string& ausgabe = namen[1];
    Strommeldungen m(eingabe, err);
    if (AusgabeartVon(ausgabe) == Ausgabeart::Unbekannt) {
        err << T("v.KonvAusgabeUnbekannt") << ausgabe << '\n' << T("v.KonvAufruf") << '\n';
        return FalscherAufruf;
    }
    double rx = 0, ry = 0;
    if (ref && AusgabeartVon(ausgabe) != Ausgabeart::Makro) {
        err << T("v.KonvRefOhneMakro") << '\n';
        return FalscherAufruf;
    }
    if (ref && !PunktLesen(*ref, rx, ry)) {
        err << Formatieren(T("v.KonvRef"), {*ref}) << '\n';
        return FalscherAufruf;
    }
    const Ausgabeart art = AusgabeartVon(ausgabe);
    double massstab = 0;
    if (skala && art != Ausgabeart::Svg && art != Ausgabeart::Png && art != Ausgabeart::Pdf) {
        err << T("v.KonvMassstabOhneVorschau") << '\n';
        return FalscherAufruf;
    }
    if (skala && !(ZahlLesen(*skala, massstab) && massstab > 0 && massstab <= MaxMassstab)) {
        err << Formatieren(T("v.KonvMassstab"), {static_cast<long long>(MaxMassstab), *skala}) << '\n';
        return FalscherAufruf;
    }
    if (utf8 && art != Ausgabeart::Bild && art != Ausgabeart::PostScript) {
        err << T("v.KonvUtf8OhneLatex") << '\n';
        return FalscherAufruf;
    }
    if ((cp1252 || eigenstaendig) && art != Ausgabeart::Tikz) {
        err << T("v.KonvTikzOptionOhneTikz") << '\n';
        return FalscherAufruf;
    }
    if (!cairo && MitCairo(art)) return CairoNoetig;

    Zeichnung z;
    if (EndetAuf(eingabe, ".vks")) {
        if (ZeichnungLesenDatei(eingabe, z, m) != Leseergebnis::Ok) return KonvertiertNicht;
        z.Dateiname = eingabe;
    } else if (EndetAuf(eingabe, ".vkm")) {
        // The elements as stored, at their stored coordinates; a macro never exceeds the store.
        Makro makro;
        if (!MakroLesenDatei(eingabe, makro, m)) return KonvertiertNicht;
        for (const TElement& e : makro.Elemente)
            z.Elemente.Anhaengen(e);
    } else if (!DateiImportieren(eingabe, z, m)) {
        return KonvertiertNicht;
    }
    const Tikzoptionen tikz{.kodierung = cp1252 ? Textkodierung::Cp1252 : Textkodierung::Utf8,
                            .eigenstaendig = eigenstaendig};
    return AusgabeSchreiben(z, ausgabe, m, cairo, rx, ry, massstab,
                            utf8 ? Textkodierung::Utf8 : Textkodierung::Cp1252, tikz);
}

} // namespace

int Konvertieren(std::span<const std::string> args, std::ostream& aus, std::ostream& err,
                 Cairoausgabe cairo) {
    try {
        return Umwandeln(args, aus, err, cairo);
    } catch (...) {
        err << Abbruchmeldung(std::current_exception()) << '\n';
        return KonvertiertNicht;
    }
}

} // namespace vektra
