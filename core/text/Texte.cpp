#include "text/Texte.h"

#include <map>

namespace vektra {
namespace {

const std::vector<Texteintrag> Eintraege{
    {"sn", "N", Anwendung::Wert},
    {"sj", "J", Anwendung::Wert},
    {"s11", " Elemente", Anwendung::LeerPlusWert},
    {"s12", "Linien zeichnen ", Anwendung::Wert},
    {"s13", "Rechtecke zeichnen ", Anwendung::Wert},
    {"s14", "Pfeil zeichnen ", Anwendung::Wert},
    {"s15", "Gefüllte Kreise zeichnen", Anwendung::Wert},
    {"s16", "Kreise zeichnen", Anwendung::Wert},
    {"s17", "Große Kreise zeichnen", Anwendung::Wert},
    {"s18", "Text platzieren", Anwendung::Wert},
    {"s19", "Auswahl ", Anwendung::Wert},
    {"s20", "Kurven zeichnen", Anwendung::Wert},
    {"s21", "Auswahl", Anwendung::Wert},
    {"s22", "Verschieben mit der Maus", Anwendung::Wert},
    {"s23", "Verschieben. Verschiebevektor: Zweiter Punkt", Anwendung::Wert},
    {"s24", "Zoomfläche auswählen", Anwendung::Wert},
    {"s25", "Pickfläche auswählen", Anwendung::Wert},
    {"s26", "Element auswählen", Anwendung::Wert},
    {"s27", "modus: Auswahl ", Anwendung::Wert},
    {"s28", "Elemente", Anwendung::LeerPlusWert},
    {"s29", "Alle gepickten Objekte löschen?", Anwendung::Wert},
    {"s30", "Alle gepickten Objekte entlöschen?", Anwendung::Wert},
    {"s31", "Alle gepickten Objekte um (", Anwendung::Wert},
    {"s32", ")verschieben?", Anwendung::Wert},
    {"s33", "Breite  der gewählten Linien ändern?", Anwendung::Wert},
    {"s34", "Vektra32 Version", Anwendung::WertPlusLeer},
    {"s35", "Kompiliert am ", Anwendung::DreiLeerUmWert},
    {"s36", "Änderungen speichern?", Anwendung::Wert},
    {"s37", "Elemente", Anwendung::LeerPlusWert},
    {"s38", "Änderungen speichern?", Anwendung::Wert},
    {"s39", "Änderungen verwerfen?", Anwendung::Wert},
    {"s40", "Vkx- und Pic-Dateien | *.vkx; *.pic", Anwendung::LeerPlusWert},
    {"s41", "Vektra/EmTeX | *.vkx", Anwendung::Wert},
    {"s42", "Postscript/Pdf und Treiber | *.vkp", Anwendung::Wert},
    {"s43", ": Datei existiert schon. Ueberschreiben?", Anwendung::Wert},
    {"s44", "Keine Zeichnung", Anwendung::Wert},
    {"s45", "Zeichnungen|*.vks", Anwendung::Wert},
    {"s46", ": Datei existiert schon. Ueberschreiben?", Anwendung::Wert},
    {"s47", "Falsche Version", Anwendung::Wert},
    {"s48", "Farbe der gewählten Elemente ändern?", Anwendung::Wert},
    {"s49", "Vektra-Datei hat Version >3. Datenverlust möglich", Anwendung::Wert},
    {"s50", "unbekanntes Kommando", Anwendung::Wert},
    {"s51", "ungültiger Format", Anwendung::Wert},
    {"s52", "Typumwandlungsfehler", Anwendung::Wert},
    {"s53", " in Zeile ", Anwendung::LeerPlusWert},
    {"s54", "im y-Text", Anwendung::Wert},
    {"s55", "im z-Text", Anwendung::Wert},
    {"s56", "in x", Anwendung::LeerPlusWert},
    {"s57", "in y", Anwendung::LeerPlusWert},
    {"s58", "im Sekantenverfahren ", Anwendung::Wert},
    {"s59", "Clip: u: %d o: %d l: %d r: %d", Anwendung::Wert},
    {"s60", "Clip aus", Anwendung::Wert},
    {"s61", "Auswahl für %d Elemente aufheben?", Anwendung::Wert},
    {"s62", "Fehler %s bei n:string=%d und t:string= %6.2f", Anwendung::Wert},
    {"s63", "Fehler ", Anwendung::Wert},
    {"s64", "Zu große Werte aufgetreten", Anwendung::Wert},
    {"s65", "im x-Text", Anwendung::Wert},
    {"s66", "Klick für Bezugspunkt", Anwendung::Wert},
    {"s67", " gewählt", Anwendung::Wert},
    {"s68", "gelöscht", Anwendung::Wert},
    {"sm1", "&Datei", Anwendung::Wert},
    {"sm2", "&Neu", Anwendung::Wert},
    {"sm3", "&Oeffnen", Anwendung::Wert},
    {"sm4", "&Pic/Vkx Import", Anwendung::Wert},
    {"sm5", "Speichern", Anwendung::Wert},
    {"sm6", "Speichern unter...", Anwendung::Wert},
    {"sm7", "Vkx-Export", Anwendung::Wert},
    {"sm8", "Vkx-Export als...", Anwendung::Wert},
    {"sm9", "Vkp/Ps-Export", Anwendung::Wert},
    {"sm40", "&Macro einfügen", Anwendung::Wert},
    {"sm41", "als Macro speichern", Anwendung::Wert},
    {"sm42", "Vkp/Ps-Export als...", Anwendung::Wert},
    {"sm10", "Bearbeiten", Anwendung::Wert},
    {"sm11", "Kopieren (Strg C)", Anwendung::Wert},
    {"sm12", "Ausschneiden (Strg X)", Anwendung::Wert},
    {"sm13", "Einfügen (Strg V)", Anwendung::Wert},
    {"sm14", "Skalieren", Anwendung::Wert},
    {"sm15", "Aufräumen", Anwendung::Wert},
    {"sm30", "Drehen", Anwendung::Wert},
    {"sm31", "Rückgängig (Strg Z)", Anwendung::Wert},
    {"sm16", "Ansicht", Anwendung::Wert},
    {"sm17", "Gitter (Ctrl G)", Anwendung::Wert},
    {"sm18", "Protokoll", Anwendung::Wert},
    {"sm19", "E&instellungen", Anwendung::Wert},
    {"sm20", "Clip", Anwendung::Wert},
    {"sm21", "Zoom", Anwendung::Wert},
    {"sm22", "Info", Anwendung::Wert},
    // Main window: hints, captions and list entries of the tool bar.
    {"sf1", "Linienfarbe", Anwendung::Wert},
    {"sf2", "Kurvenart wählen", Anwendung::Wert},
    {"sf3", "Linie", Anwendung::Wert},
    {"sf4", "Kreis", Anwendung::Wert},
    {"sf5", "Gefüllter Kreis", Anwendung::Wert},
    {"sf6", "Texteingabe", Anwendung::Wert},
    {"sf7", "Kreis beliebiger Größe", Anwendung::Wert},
    {"sf8", "Linie", Anwendung::Wert},
    {"sf9", "Pfeil", Anwendung::Wert},
    {"sf10", "Rechteck", Anwendung::Wert},
    {"sf11", "Kurve", Anwendung::Wert},
    {"sf12", "Lösche gewählte Objekte", Anwendung::Wert},
    {"sf13", "Verschieben", Anwendung::Wert},
    {"sf14", "Text editieren", Anwendung::Wert},
    {"sf15", "Auswählen", Anwendung::Wert},
    {"sf16", "Fläche auswählen", Anwendung::Wert},
    {"sf17", "Auswahl aufheben (ESC)", Anwendung::Wert},
    {"sf18", "Zoom", Anwendung::Wert},
    {"sf19", "letzten Zoom rückgängig", Anwendung::Wert},
    {"sf20", "Neu zeichnen", Anwendung::Wert},
    {"sf21", "(0,0) in linke untere Ecke", Anwendung::Wert},
    {"sf22", "Snap ein und aus", Anwendung::Wert},
    {"sf23", "Snap", Anwendung::Wert},
    {"sf24", "Snapfaktor", Anwendung::Wert},
    {"sf25", "Phase 1", Anwendung::Wert},
    {"sf26", "Phase 2", Anwendung::Wert},
    {"sf27", "Phase 3", Anwendung::Wert},
    {"sf28", "Phase 4", Anwendung::Wert},
    {"sf29", "Linienfarbe", Anwendung::Wert},
    {"sf30", "Linienbreite", Anwendung::Wert},
    {"sf31", "unsichtbar", Anwendung::Wert},
    {"sf32", "dünne", Anwendung::Wert},
    {"sf33", "normal", Anwendung::Wert},
    {"sf34", "dick", Anwendung::Wert},
    {"sf35", "normal", Anwendung::Wert},
    {"sf36", "Länge", Anwendung::Wert},
    {"sf37", "Richtung", Anwendung::Wert},
    {"sf38", "keine", Anwendung::Wert},
    {"sf39", "Status", Anwendung::Wert},
    // Clip dialog.
    {"sf100", "Clipbereich", Anwendung::Wert},
    {"sf101", "oben", Anwendung::Wert},
    {"sf102", "rechts", Anwendung::Wert},
    {"sf103", "unten", Anwendung::Wert},
    {"sf104", "links", Anwendung::Wert},
    {"sf105", "Clip aktiv", Anwendung::Wert},
    {"sf106", "OK", Anwendung::Wert},
    // Settings dialog.
    {"sf110", "Einstellungen", Anwendung::Wert},
    {"sf111", "Pickabstand (in Pixel)", Anwendung::Wert},
    {"sf112", "x-Nullpunkt ", Anwendung::Wert},
    {"sf113", "y-Nullpunkt ", Anwendung::Wert},
    {"sf114", "Linienbreite ", Anwendung::Wert},
    {"sf115", "Bildschirm", Anwendung::Wert},
    {"sf116", "Pixel", Anwendung::Wert},
    {"sf117", "Unsichtbar", Anwendung::Wert},
    {"sf136", "Faktor", Anwendung::Wert},
    {"sf118", "Dünn", Anwendung::Wert},
    {"sf119", "Normal", Anwendung::Wert},
    {"sf120", "Dick", Anwendung::Wert},
    {"sf121", "TeX", Anwendung::Wert},
    {"sf123", "pt", Anwendung::Wert},
    {"sf124", "Unitlength", Anwendung::Wert},
    {"sf125", "mm", Anwendung::Wert},
    {"sf126", "Pfeilwinkel", Anwendung::Wert},
    {"sf127", "Pfeillänge", Anwendung::Wert},
    {"sf128", "Massstab", Anwendung::Wert},
    {"sf129", "Richtungskontrolle", Anwendung::Wert},
    {"sf130", "Startschritt", Anwendung::Wert},
    {"sf122", "Fertig", Anwendung::Wert},
    {"sf131", "Text sichtbar", Anwendung::Wert},
    {"sf132", "als \"T\"", Anwendung::Wert},
    {"sf133", "wie vorhanden", Anwendung::Wert},
    {"sf134", "gar nicht", Anwendung::Wert},
    {"sf135", "Ausrichtungssymbol", Anwendung::Wert},
    // Arc dialog.
    {"sf150", "Kreis", Anwendung::Wert},
    {"sf151", "von", Anwendung::Wert},
    {"sf152", "bis", Anwendung::Wert},
    {"sf153", "Fertig", Anwendung::Wert},
    // Curve dialog.
    {"sf170", "Kurvenzeichnen", Anwendung::Wert},
    {"sf171", "Strichlänge", Anwendung::Wert},
    {"sf172", "Winkeldifferenz", Anwendung::Wert},
    {"sf173", "Delta t", Anwendung::Wert},
    {"sf174", "Muster", Anwendung::Wert},
    {"sf175", "x-Offset", Anwendung::Wert},
    {"sf176", "y-Offset", Anwendung::Wert},
    {"sf177", "Kontrolle", Anwendung::Wert},
    {"sf178", "Länge", Anwendung::Wert},
    {"sf179", "Richtung", Anwendung::Wert},
    {"sf180", "ohne", Anwendung::Wert},
    {"sf181", "3-dimensionale Kurven", Anwendung::Wert},
    {"sf182", "Winkeldifferenz in Grad", Anwendung::Wert},
    {"sf183", "Strichlänge", Anwendung::Wert},
    {"sf184", "Phase 1", Anwendung::Wert},
    {"sf185", "Phase 2", Anwendung::Wert},
    {"sf186", "Phase 3", Anwendung::Wert},
    {"sf187", "Phase 4", Anwendung::Wert},
    {"sf188", "t-Startwert", Anwendung::Wert},
    {"sf189", "t-Endwert", Anwendung::Wert},
    {"sf190", "Die X-Achse wird nach vorne oder nach rechrs gezeichnet", Anwendung::Wert},
    {"sf191", "X-Achse vorn", Anwendung::Wert},
    {"sf192", "n-Startwert", Anwendung::Wert},
    {"sf193", "n-Endwert", Anwendung::Wert},
    {"sf194", "x-Verschiebung bei gezeichneten Kurven in Bildschirmkoordinaten", Anwendung::Wert},
    {"sf195", "y-Verschiebung von gezeichneten Kurven in Bildschirmkoordinaten", Anwendung::Wert},
    {"sf196", "OK", Anwendung::Wert},
    {"sf198", "Abbruch", Anwendung::Wert},
    {"sf197", "Rückwärts", Anwendung::Wert},
    // Scaling dialog.
    {"sf210", "Skalieren", Anwendung::Wert},
    {"sf211", "Mittelpunkt", Anwendung::Wert},
    {"sf212", "x-Faktor", Anwendung::Wert},
    {"sf213", "y-Faktor", Anwendung::Wert},
    {"sf214", "OK", Anwendung::Wert},
    {"sf215", "Abbruch", Anwendung::Wert},
    // Text-entry dialog.
    {"sf220", "Text", Anwendung::Wert},
    {"sf221", "Ausrichtung", Anwendung::Wert},
    // Rotation dialog.
    {"sf230", "Rotieren", Anwendung::Wert},
    {"sf231", "Zentrum", Anwendung::Wert},
    {"sf232", "Winkel", Anwendung::Wert},
    {"sf233", "OK", Anwendung::Wert},
    {"sf234", "Abbruch", Anwendung::Wert},
    // The program's own texts, which a language file names by their "sv" keys (Dateischluessel.cpp).
    {"v.Titel", "Vektra32", Anwendung::Wert},
    {"v.Anwendungstitel", "Vektra32 ", Anwendung::Wert},
    {"v.Version", VEKTRA_VERSION, Anwendung::Wert},
    {"v.Datum", "07.05.04", Anwendung::Wert},
    // Faults of the native drawing file.
    {"v.Zeichnungsdatei.Ende", "Die Datei endet unerwartet nach %d Bytes.", Anwendung::Wert},
    {"v.Zeichnungsdatei.Lesefehler", "Lesefehler nach %d Bytes.", Anwendung::Wert},
    {"v.Zeichnungsdatei.Anzahl", "Ungültige Elementzahl %d (erlaubt sind 0 bis %d).", Anwendung::Wert},
    {"v.Zeichnungsdatei.Textlaenge", "Element %d hat die ungültige Textlänge %d.", Anwendung::Wert},
    {"v.Zeichnungsdatei.Oeffnen", "Die Datei lässt sich nicht öffnen (%s).", Anwendung::Wert},
    {"v.Zeichnungsdatei.Schreiben", "Die Datei lässt sich nicht schreiben (%s).", Anwendung::Wert},
    {"v.Schreiben.KeineDatei", "keine gewöhnliche Datei, sie bleibt unverändert", Anwendung::Wert},
    {"v.Schreiben.Kopie", "%s; der neue Inhalt steht vollständig in %s", Anwendung::Wert},
    {"v.Zeichnungsdatei.Lage",
     "Element %d hat die ungültige Koordinate oder Größe %s (erlaubt sind Zahlen von %d bis %d).",
     Anwendung::Wert},
    // Macro files.
    {"v.Makrodatei.Art", "Element %d hat die unbekannte Art %d.", Anwendung::Wert},
    {"v.Makrodatei.Rest", "Nach dem letzten Element folgen noch weitere Bytes (ab Byte %d).",
     Anwendung::Wert},
    {"v.Makrodatei.KeinPlatz",
     "Das Macro hat %d Elemente, die Zeichnung hat nur noch Platz für %d: es wurde nichts eingefügt.",
     Anwendung::Wert},
    {"v.NichtMarkiert", "Nicht markiert", Anwendung::Wert},
    {"v.Makrodatei.Bezug",
     "Der Bezugspunkt hat die ungültige Koordinate %s (erlaubt sind Zahlen von %d bis %d).", Anwendung::Wert},
    {"v.Makrodatei.ZuWeit",
     "An dieser Stelle läge das Macro außerhalb von ±%d Einheiten: es wurde nichts eingefügt.",
     Anwendung::Wert},
    // Exports, picture import and the command-line converter.
    {"v.UnitlengthKeineZahl", "Unitlength ist keine Zahl: ", Anwendung::Wert},
    {"v.LesenFehlgeschlagen", "Datei kann nicht gelesen werden", Anwendung::Wert},
    {"v.ImportVoll", "Zeichnung voll (32000 Elemente): der Rest der Datei wird nicht gelesen",
     Anwendung::Wert},
    {"v.TeXBreiteKeineZahl", "TeX-Linienbreite ist keine Zahl: ", Anwendung::Wert},
    {"v.VorschauZuGross", "Das Bild wäre %d × %d Pixel groß, erlaubt sind höchstens %d je Seite.",
     Anwendung::Wert},
    {"v.ImportUebergangen", "Nicht gelesene Befehle übersprungen, Zeilen: %s", Anwendung::Wert},
    {"v.ImportErsetzt", "Zeichen ohne Platz in der Zeichnung als \"?\" gelesen: %s (Zeilen: %s)",
     Anwendung::Wert},
    {"v.KonvAufruf",
     "Aufruf: vektra32-convert [--ref X,Y | --scale PX] [--utf8 | --cp1252] [--standalone] EINGABE AUSGABE "
     "(mehr mit --help)",
     Anwendung::Wert},
    // The converter's help in parts, each short enough for a line of a language file.
    {"v.KonvHilfe",
     "Aufruf: vektra32-convert [--ref X,Y | --scale PX] [--utf8 | --cp1252] [--standalone]\n"
     "                        EINGABE AUSGABE\n"
     "\n"
     "Wandelt eine Zeichnung in ein anderes Format um.\n"
     "\n"
     "EINGABE   eine Zeichnung: endet der Name auf \".vks\" (gleich in welcher Schreibung),\n"
     "          wird sie als Vektra-Zeichnung gelesen, auf \".vkm\" als Macro (seine\n"
     "          Elemente an den gespeicherten Koordinaten, gewählt wie gespeichert),\n"
     "          auf \".tikz\" oder \".tex\" als TikZ-Bild (ein tikzpicture), sonst als\n"
     "          Bilddatei (.vkx, .pic) importiert.\n",
     Anwendung::Wert},
    {"v.KonvHilfe2",
     "AUSGABE   die Endung bestimmt das Format:\n"
     "            .vks  Vektra-Zeichnung (gelöschte Elemente entfallen)\n"
     "            .vkx  LaTeX-Bild mit emTeX-Linien\n"
     "            .vkp  LaTeX-Treiber und daneben die PostScript-Datei .ps und\n"
     "                  dieselbe Grafik als .pdf (für pdfLaTeX)\n"
     "            .tikz TikZ-Bild (tikzpicture) für pdfLaTeX, LuaLaTeX und XeLaTeX\n"
     "            .vkm  Macro aus den gewählten, nicht gelöschten Elementen; die\n"
     "                  Elemente einer importierten Bilddatei sind nicht gewählt\n"
     "            .svg, .png, .pdf\n"
     "                  Vorschau: die Zeichnung, wie der Bildschirm sie zeigt, mit\n"
     "                  den Texten, in Bildschirmbreiten und Elementfarben auf weißem\n"
     "                  Grund, so groß wie das Gezeichnete und ein Rand\n"
     "          Eine vorhandene Datei wird ersetzt.\n",
     Anwendung::Wert},
    {"v.KonvHilfe3",
     "--ref X,Y der Bezugspunkt eines Macros (nur mit AUSGABE .vkm, Vorgabe 0,0): beim\n"
     "          Einfügen landet er auf dem angeklickten Punkt.\n"
     "--scale PX Pixel je Zeichnungseinheit einer Vorschau (über 0 bis 1000;\n"
     "          Vorgabe: wie der Bildschirm bei der Zoomstufe der Zeichnung, 9 bei\n"
     "          einer neuen). In .svg und .pdf ist ein Pixel ein Punkt.\n"
     "--utf8    schreibt die Texte in .vkx und .vkp als UTF-8, für Dokumente, die\n"
     "          UTF-8 lesen (die Vorgabe von LaTeX); ohne die Option bleiben sie\n"
     "          Windows-1252, wie gespeichert (\\usepackage[cp1252]{inputenc}).\n"
     "--cp1252  schreibt die Texte in .tikz als Windows-1252 statt als UTF-8.\n"
     "--standalone schreibt .tikz als eigenes Dokument (Klasse standalone), eine\n"
     "          Seite so groß wie die Zeichnung.\n"
     "--version zeigt die Versionsnummer des Programms.\n"
     "\n"
     "Die Exporte nehmen Unitlength und TeX-Linienbreiten der Zeichnung.\n"
     "Meldungen erscheinen auf der Fehlerausgabe als \"EINGABE:ZEILE: Text\".\n"
     "\n",
     Anwendung::Wert},
    {"v.KonvHilfe4",
     "Rückgabewert: 0 bei Erfolg, 1 wenn die Eingabe nicht gelesen oder nichts\n"
     "geschrieben werden konnte, 2 bei falschem Aufruf, 3 wenn --curve vorzeitig\n"
     "endete und nur geschrieben ist, was bis dahin entstand, oder wenn neben .vkp\n"
     "und .ps die .pdf nicht geschrieben werden konnte.\n"
     "\n",
     Anwendung::Wert},
    {"v.KonvHilfe5",
     "vektra32-convert --curve X Y [--z Z] [--axis-front] [--t0 T0] [--t1 T1]\n"
     "    [--n0 N0] [--n1 N1] [--control length|direction|none] [--chord L]\n"
     "    [--angle GRAD] [--dt D] [--pattern P1,P2,P3,P4] [--offset X,Y]\n"
     "    [--clip U,O,L,R | --no-clip] AUSGABE\n",
     Anwendung::Wert},
    {"v.KonvHilfe6",
     "zeichnet die Kurve x(n,t), y(n,t) (3D mit --z) einmal für jedes n von N0 bis N1\n"
     "in eine neue Zeichnung und schreibt sie nach AUSGABE. Vorgaben: t von 0 bis 1,\n"
     "n von 1 bis 1, Längenkontrolle mit Strichlänge 1, Winkel 5 Grad, Delta t 0.1,\n"
     "Muster 1,0,0,0, Versatz 0,0. Die Kurve wird auf den Clipbereich einer neuen\n"
     "Zeichnung (unten -1, oben 200, links -1, rechts 200) beschnitten; --clip setzt\n"
     "einen anderen, --no-clip schaltet das Beschneiden ab. Höchstens 32000 Kurven\n"
     "(N1 - N0 + 1), sonst Rückgabewert 2. Beendet ein Fehler in einer Formel oder\n"
     "die volle Zeichnung (32000 Elemente) das Zeichnen bei einem n, werden die\n"
     "Kurven bis dahin geschrieben (Rückgabewert 3); entstand noch nichts, wird\n"
     "nichts geschrieben (Rückgabewert 1).\n",
     Anwendung::Wert},
    {"v.KonvVersion", "vektra32-convert (Vektra32) Version %s\n", Anwendung::Wert},
    {"v.KonvCairoFehlt", "%s lässt sich nicht starten (%s), es schreibt .vkp, .svg, .png und .pdf.",
     Anwendung::Wert},
    {"v.KonvAusgabeUnbekannt",
     "unbekanntes Ausgabeformat (erwartet .vks, .vkx, .vkp, .vkm, .tikz, .svg, .png oder .pdf): ",
     Anwendung::Wert},
    {"v.KonvRef", "--ref erwartet zwei Zahlen mit Komma dazwischen, nicht „%s“.", Anwendung::Wert},
    {"v.KonvRefOhneMakro", "--ref gilt nur für eine Ausgabe auf .vkm.", Anwendung::Wert},
    {"v.KonvMassstab", "--scale erwartet eine Zahl über 0 bis %d, nicht „%s“.", Anwendung::Wert},
    {"v.KonvMassstabOhneVorschau", "--scale gilt nur für eine Ausgabe auf .svg, .png oder .pdf.",
     Anwendung::Wert},
    {"v.KonvUtf8OhneLatex", "--utf8 gilt nur für eine Ausgabe auf .vkx oder .vkp.", Anwendung::Wert},
    {"v.KonvTikzOptionOhneTikz", "--cp1252 und --standalone gelten nur für eine Ausgabe auf .tikz.",
     Anwendung::Wert},
    {"v.MenueTikzExport", "Export als TikZ ...", Anwendung::Wert},
    {"v.FilterTikz", "TikZ-Bilder | *.tikz", Anwendung::Wert},
    {"v.FilterImport", "Bilddateien | *.vkx; *.pic; *.tikz; *.tex", Anwendung::Wert},
    {"v.FilterTikzImport", "TikZ-Bilder | *.tikz; *.tex", Anwendung::Wert},
    {"v.TikzEigenstaendig", "Als eigenes Dokument (standalone) schreiben?", Anwendung::Wert},
    {"v.TikzKeinBild", "Kein tikzpicture in der Datei", Anwendung::Wert},
    {"v.ImportZuGross", "Datei zu groß für eine Zeichnung (über %d MB): sie wird nicht gelesen",
     Anwendung::Wert},
    {"v.Abgebrochen", "Abgebrochen: %s", Anwendung::Wert},
    {"v.SpeicherFehlt", "nicht genug Speicher", Anwendung::Wert},
    {"v.FehlerUnbekannt", "unbekannter Fehler", Anwendung::Wert},
    {"v.UnitlengthUngueltig",
     "Unitlength ist keine gültige Länge (Dezimalzahl mit Punkt, ohne Exponent, bis 5758 mm): ",
     Anwendung::Wert},
    {"v.TeXBreiteUngueltig",
     "TeX-Linienbreite ist keine gültige Länge (Dezimalzahl mit Punkt, ohne Exponent, unter 16384 pt): ",
     Anwendung::Wert},

    // Formulas and the curve plotter.
    {"v.FehlerImBaum", "Fehler im Baum", Anwendung::Wert},
    {"v.Rechenfehler", "Rechenfehler in %s %s bei n = %d und t = %6.2f", Anwendung::Wert},
    {"v.RechenfehlerOhneStelle", "Rechenfehler %s bei n = %d und t = %6.2f", Anwendung::Wert},
    {"v.Fehlerstelle", " an Stelle %d (Fehlercode %d)", Anwendung::Wert},
    {"v.imt0Text", "im t_0-Text", Anwendung::Wert},
    {"v.imt1Text", "im t_1-Text", Anwendung::Wert},
    {"v.StrichlaengeUngueltig", "Die Strichlänge muss größer als 0 sein.", Anwendung::Wert},
    {"v.WinkelUngueltig", "Die Winkeldifferenz muss größer als 0 sein.", Anwendung::Wert},
    {"v.DeltaUngueltig", "Delta t muss größer als 0 sein.", Anwendung::Wert},
    {"v.ZuVieleStuecke", "Mehr als %d Kurvenstücke bei n = %d: die Kurve endet bei t = %6.2f.",
     Anwendung::Wert},
    {"v.ZuVieleKurven",
     "Zu viele Kurven: n von %d bis %d ergibt %d Kurven; eine Zeichnung fasst höchstens %d.",
     Anwendung::Wert},
    {"v.KurveSpeicherVoll", "Der Elementspeicher ist voll: die Kurve ist nur zum Teil gespeichert.",
     Anwendung::Wert},
    {"v.KurveUnvollstaendig", "Unvollständig: die Kurven für n = %d bis %d fehlen ganz oder teilweise.",
     Anwendung::Wert},
    {"v.KurveAufruf",
     "Aufruf: vektra32-convert --curve X Y [--z Z] [--axis-front] [--t0 T0] [--t1 T1] [--n0 N0] [--n1 N1] "
     "[--control length|direction|none] [--chord L] [--angle GRAD] [--dt D] [--pattern P1,P2,P3,P4] "
     "[--offset X,Y] [--clip U,O,L,R | --no-clip] AUSGABE",
     Anwendung::Wert},
    {"v.KurveFormelnFehlen", "--curve braucht die Formeln X und Y.", Anwendung::Wert},
    {"v.KurveUeberzaehlig", "Überzähliges Argument: %s", Anwendung::Wert},
    {"v.KurveUnbekannt", "Unbekannte Option: %s", Anwendung::Wert},
    {"v.KurveWertFehlt", "Nach %s fehlt ein Wert.", Anwendung::Wert},
    {"v.KurveGanzzahl", "%s erwartet eine ganze Zahl, nicht „%s“.", Anwendung::Wert},
    {"v.KurveZahl", "%s erwartet eine Zahl größer als 0, nicht „%s“.", Anwendung::Wert},
    {"v.KurveKontrolle", "--control erwartet length, direction oder none, nicht „%s“.", Anwendung::Wert},
    {"v.KurveMuster", "--pattern erwartet vier ganze Zahlen ab 0 mit Kommas dazwischen, nicht „%s“.",
     Anwendung::Wert},
    {"v.KurveListe", "%s erwartet %d ganze Zahlen mit Kommas dazwischen, nicht „%s“.", Anwendung::Wert},
    {"v.KurveClipKonflikt", "--clip und --no-clip schließen einander aus.", Anwendung::Wert},
    {"v.KurveAusgabeFehlt", "Die Ausgabedatei fehlt.", Anwendung::Wert},
    {"v.KurveAusgabeEndung", "Die Ausgabedatei muss auf .vks, .vkx oder .vkp enden: %s", Anwendung::Wert},
    {"v.Exit", "E&xit", Anwendung::Wert},
    {"v.Zeichengruppe", "Pfeile Zeichnen", Anwendung::Wert},
    {"v.Snapstufen", "1/3|1/2|1|2|3|4|5|6|8|10", Anwendung::Wert},
    // Painting layer: the cursor position in the status line.
    {"v.Position", "(%d,%d)", Anwendung::Wert},
    // Editing: scaling, rotating and pasting that cannot be done.
    {"v.Umformen.KeineZahl",
     "Mittelpunkt, Faktor oder Winkel ist keine endliche Zahl: die gewählten Elemente bleiben unverändert.",
     Anwendung::Wert},
    {"v.Umformen.ZuGross",
     "Das Ergebnis läge außerhalb von ±%d Einheiten: die gewählten Elemente bleiben unverändert.",
     Anwendung::Wert},
    {"v.EinfuegenVoll",
     "Die %d Elemente der Ablage passen nicht in die Zeichnung (noch %d frei): es wird nichts eingefügt.",
     Anwendung::Wert},
    // The history: the redo menu item, what the status line says, and the names of the steps.
    {"v.Wiederherstellen1", "Wiederherstellen (Strg Y)", Anwendung::Wert},
    {"v.Rueckgaengig", "%s rückgängig", Anwendung::Wert},
    {"v.Wiederhergestellt", "%s wiederhergestellt", Anwendung::Wert},
    {"v.Schritt.Zeichnen", "Zeichnen", Anwendung::Wert},
    {"v.Schritt.Kurve", "Kurve", Anwendung::Wert},
    {"v.Schritt.Einfuegen", "Einfügen", Anwendung::Wert},
    {"v.Schritt.Makro", "Macro einfügen", Anwendung::Wert},
    {"v.Schritt.Loeschen", "Löschen", Anwendung::Wert},
    {"v.Schritt.Ausschneiden", "Ausschneiden", Anwendung::Wert},
    {"v.Schritt.Verschieben", "Verschieben", Anwendung::Wert},
    {"v.Schritt.Skalieren", "Skalieren", Anwendung::Wert},
    {"v.Schritt.Drehen", "Drehen", Anwendung::Wert},
    {"v.Schritt.Farbe", "Farbe", Anwendung::Wert},
    {"v.Schritt.Breite", "Linienbreite", Anwendung::Wert},
    {"v.Schritt.Text", "Text ändern", Anwendung::Wert},
    {"v.Schritt.Aufraeumen", "Aufräumen", Anwendung::Wert},
    {"v.Schritt.Einstellungen", "Einstellungen", Anwendung::Wert},
    {"v.Schritt.Clip", "Clip", Anwendung::Wert},
    // File commands: titles of the file dialogs and the caption after an import.
    {"v.DialogOeffnen", "Öffnen", Anwendung::Wert},
    {"v.DialogSpeichern", "Speichern unter", Anwendung::Wert},
    {"v.DialogExport", "Exportieren", Anwendung::Wert},
    {"v.DialogImport", "Importieren", Anwendung::Wert},
    {"v.Importtitel", "Vektra 32 - ", Anwendung::Wert},
    // Macro commands: the choosers and the status of the macro-key mode.
    {"v.DialogMakroSpeichern", "Macro speichern", Anwendung::Wert},
    {"v.DialogMakroEinfuegen", "Macro einfügen", Anwendung::Wert},
    {"v.Makrofilter", "Macros|*.vkm", Anwendung::Wert},
    {"v.Makrotaste", "macro", Anwendung::Wert},
    // Drawing tools and their dialogs.
    {"v.OK", "OK", Anwendung::Wert},
    {"v.Abbrechen", "Abbrechen", Anwendung::Wert},
    {"v.Grad", "Grad", Anwendung::Wert},
    {"v.Bogenmass", "Bogenmaß", Anwendung::Wert},
    {"v.SpeicherVoll", "Die Zeichnung ist voll (32000 Elemente): es wurde nichts hinzugefügt.",
     Anwendung::Wert},
    {"v.TextNichtDarstellbar", "Diese Zeichen lassen sich in der Zeichnung nicht speichern: %s",
     Anwendung::Wert},
    {"v.Textein.x", "x", Anwendung::Wert},
    {"v.Textein.y", "y", Anwendung::Wert},
    {"v.PfeilZuWeit", "Die Pfeilspitze läge außerhalb von ±%d Einheiten: der Pfeil wurde nicht gezeichnet.",
     Anwendung::Wert},
    // Curve dialog: the labels and hints without a language key, and the curve command.
    {"v.Kurvenform.x", "x(n,t)", Anwendung::Wert},
    {"v.Kurvenform.y", "y(n,t)", Anwendung::Wert},
    {"v.Kurvenform.z", "z(n,t)", Anwendung::Wert},
    {"v.Kurvenform.t0", "t_0(n)", Anwendung::Wert},
    {"v.Kurvenform.t1", "t_1(n)", Anwendung::Wert},
    {"v.Kurvenform.n0", "n_0", Anwendung::Wert},
    {"v.Kurvenform.n1", "n_1", Anwendung::Wert},
    {"v.Kurvenform.3D", "3D", Anwendung::Wert},
    {"v.Kurvenform.xHinweis", "x", Anwendung::Wert},
    {"v.Kurvenform.yHinweis", "y", Anwendung::Wert},
    {"v.Kurvenform.zHinweis", "z", Anwendung::Wert},
    {"v.Kurvenform.DeltaHinweis", "x", Anwendung::Wert},
    {"v.Kurvenform.Ganzzahl", "%s muss eine ganze Zahl von -2147483648 bis 2147483647 sein, nicht „%s“.",
     Anwendung::Wert},
    // Typeset texts on the screen: the view switch, the preamble field and what LaTeX reported.
    {"v.TexteGesetzt", "Texte gesetzt zeigen", Anwendung::Wert},
    {"v.Praeambel", "Präambel der gesetzten Texte", Anwendung::Wert},
    {"v.KeinTeX", "%s lässt sich nicht starten (%s): die Texte erscheinen ungesetzt.", Anwendung::Wert},
    {"v.SatzFehler", "LaTeX: %s", Anwendung::Wert},
    {"v.SatzZeit", "LaTeX hat nach %d Sekunden nicht geendet.", Anwendung::Wert},
    {"v.SatzKlammern", "Die geschweiften Klammern des Textes passen nicht zusammen.", Anwendung::Wert},
    {"v.SatzZeilenende", "Ein % oder ein Zeilenwechsel im Text schneidet den Rest der Bildzeile ab.",
     Anwendung::Wert},
    {"v.SatzOhneSeite", "Zu diesem Text gab es keine gesetzte Seite.", Anwendung::Wert},
};

std::map<std::string, std::string, std::less<>>& Tabelle() {
    static std::map<std::string, std::string, std::less<>> t = [] {
        std::map<std::string, std::string, std::less<>> m;
        for (const auto& e : Eintraege)
            m.emplace(e.schluessel, e.eingebaut);
        return m;
    }();
    return t;
}

} // namespace

const std::vector<Texteintrag>& Texteintraege() {
    return Eintraege;
}

const std::string& T(std::string_view schluessel) {
    auto& t = Tabelle();
    auto it = t.find(schluessel);
    if (it == t.end()) it = t.emplace(std::string(schluessel), std::string(schluessel)).first;
    return it->second;
}

void TextSetzen(std::string_view schluessel, std::string wert) {
    Tabelle().insert_or_assign(std::string(schluessel), std::move(wert));
}

void TexteZuruecksetzen() {
    auto& t = Tabelle();
    t.clear();
    for (const auto& e : Eintraege)
        t.emplace(e.schluessel, e.eingebaut);
}

} // namespace vektra
