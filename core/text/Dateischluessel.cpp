// The keys by which a language file names the program's own texts ("v." keys in the code): "sv"
// and a number. A number, once given, stays with its text, so that language files keep working as
// texts are added; a new text takes the next free number.
#include "text/Texte.h"

#include <iterator>
#include <map>
#include <utility>

namespace vektra {
namespace {

// The version number and the snap steps of the tool bar are numbers, not language: no key.
const std::pair<std::string_view, std::string_view> Eigene[] = {
    {"v.Titel", "sv1"},
    {"v.Anwendungstitel", "sv2"},
    {"v.Datum", "sv3"},
    {"v.Zeichnungsdatei.Ende", "sv4"},
    {"v.Zeichnungsdatei.Lesefehler", "sv5"},
    {"v.Zeichnungsdatei.Anzahl", "sv6"},
    {"v.Zeichnungsdatei.Textlaenge", "sv7"},
    {"v.Zeichnungsdatei.Oeffnen", "sv8"},
    {"v.Zeichnungsdatei.Schreiben", "sv9"},
    {"v.Makrodatei.Art", "sv10"},
    {"v.Makrodatei.Rest", "sv11"},
    {"v.Makrodatei.KeinPlatz", "sv12"},
    {"v.NichtMarkiert", "sv13"},
    {"v.UnitlengthKeineZahl", "sv14"},
    {"v.LesenFehlgeschlagen", "sv16"},
    {"v.ImportVoll", "sv17"},
    {"v.TeXBreiteKeineZahl", "sv18"},
    {"v.VorschauZuGross", "sv19"},
    {"v.ImportUebergangen", "sv20"},
    {"v.ImportErsetzt", "sv21"},
    {"v.KonvAufruf", "sv22"},
    {"v.KonvHilfe", "sv23"},
    {"v.KonvHilfe2", "sv24"},
    {"v.KonvHilfe3", "sv25"},
    {"v.KonvHilfe4", "sv26"},
    {"v.KonvHilfe5", "sv27"},
    {"v.KonvHilfe6", "sv28"},
    {"v.KonvCairoFehlt", "sv29"},
    {"v.KonvAusgabeUnbekannt", "sv30"},
    {"v.KonvRef", "sv31"},
    {"v.KonvRefOhneMakro", "sv32"},
    {"v.KonvMassstab", "sv33"},
    {"v.KonvMassstabOhneVorschau", "sv34"},
    {"v.KonvUtf8OhneLatex", "sv35"},
    {"v.FehlerImBaum", "sv36"},
    {"v.Rechenfehler", "sv37"},
    {"v.RechenfehlerOhneStelle", "sv38"},
    {"v.Fehlerstelle", "sv39"},
    {"v.imt0Text", "sv40"},
    {"v.imt1Text", "sv41"},
    {"v.StrichlaengeUngueltig", "sv42"},
    {"v.WinkelUngueltig", "sv43"},
    {"v.DeltaUngueltig", "sv44"},
    {"v.ZuVieleStuecke", "sv45"},
    {"v.ZuVieleKurven", "sv46"},
    {"v.KurveSpeicherVoll", "sv47"},
    {"v.KurveUnvollstaendig", "sv48"},
    {"v.KurveAufruf", "sv49"},
    {"v.KurveFormelnFehlen", "sv50"},
    {"v.KurveUeberzaehlig", "sv51"},
    {"v.KurveUnbekannt", "sv52"},
    {"v.KurveWertFehlt", "sv53"},
    {"v.KurveGanzzahl", "sv54"},
    {"v.KurveZahl", "sv55"},
    {"v.KurveKontrolle", "sv56"},
    {"v.KurveMuster", "sv57"},
    {"v.KurveListe", "sv58"},
    {"v.KurveClipKonflikt", "sv59"},
    {"v.KurveAusgabeFehlt", "sv60"},
    {"v.KurveAusgabeEndung", "sv61"},
    {"v.Exit", "sv62"},
    {"v.Zeichengruppe", "sv63"},
    {"v.Position", "sv64"},
    {"v.Umformen.KeineZahl", "sv65"},
    {"v.Umformen.ZuGross", "sv66"},
    {"v.EinfuegenVoll", "sv67"},
    {"v.DialogOeffnen", "sv68"},
    {"v.DialogSpeichern", "sv69"},
    {"v.DialogExport", "sv70"},
    {"v.DialogImport", "sv71"},
    {"v.Importtitel", "sv72"},
    {"v.DialogMakroSpeichern", "sv73"},
    {"v.DialogMakroEinfuegen", "sv74"},
    {"v.Makrofilter", "sv75"},
    {"v.Makrotaste", "sv76"},
    {"v.OK", "sv77"},
    {"v.Abbrechen", "sv78"},
    {"v.Grad", "sv79"},
    {"v.Bogenmass", "sv80"},
    {"v.SpeicherVoll", "sv81"},
    {"v.TextNichtDarstellbar", "sv82"},
    {"v.Textein.x", "sv83"},
    {"v.Textein.y", "sv84"},
    {"v.Kurvenform.x", "sv85"},
    {"v.Kurvenform.y", "sv86"},
    {"v.Kurvenform.z", "sv87"},
    {"v.Kurvenform.t0", "sv88"},
    {"v.Kurvenform.t1", "sv89"},
    {"v.Kurvenform.n0", "sv90"},
    {"v.Kurvenform.n1", "sv91"},
    {"v.Kurvenform.3D", "sv92"},
    {"v.Kurvenform.xHinweis", "sv93"},
    {"v.Kurvenform.yHinweis", "sv94"},
    {"v.Kurvenform.zHinweis", "sv95"},
    {"v.Kurvenform.DeltaHinweis", "sv96"},
    {"v.Kurvenform.Ganzzahl", "sv97"},
    {"v.Schreiben.KeineDatei", "sv98"},
    {"v.Schreiben.Kopie", "sv99"},
    {"v.ImportZuGross", "sv100"},
    {"v.Abgebrochen", "sv101"},
    {"v.SpeicherFehlt", "sv102"},
    {"v.FehlerUnbekannt", "sv103"},
    {"v.Zeichnungsdatei.Lage", "sv104"},
    {"v.Makrodatei.Bezug", "sv105"},
    {"v.Makrodatei.ZuWeit", "sv106"},
    {"v.UnitlengthUngueltig", "sv107"},
    {"v.TeXBreiteUngueltig", "sv108"},
    {"v.PfeilZuWeit", "sv109"},
};

} // namespace

std::string_view Dateischluessel(std::string_view schluessel) {
    static const std::map<std::string_view, std::string_view> eigene(std::begin(Eigene), std::end(Eigene));
    if (!schluessel.starts_with("v.")) return schluessel;
    const auto it = eigene.find(schluessel);
    return it == eigene.end() ? std::string_view() : it->second;
}

} // namespace vektra
