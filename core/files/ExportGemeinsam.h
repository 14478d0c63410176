#pragma once
// What the picture export and the PostScript export share: the preparation (scale, picture size,
// element count), the pass order over the draw-order classes, the colour split, CR LF lines and
// the atomic file write with its messages.
#include "files/Textlage.h"
#include "model/Zeichnung.h"
#include "text/Format.h"
#include "text/Meldungen.h"
#include "view/Malregeln.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace vektra {

// Result of the shared preparation.
struct Exportmass {
    double k = 0; // PostScript points per drawing unit
    double W = 0; // picture width and height in drawing units, never below 0
    double H = 0;
    int Anzahl = 0; // live elements
};

// Converts the unit length, measures the picture and counts the live elements of the drawn
// classes (EbeneGezeichnet); elements of other classes neither count nor enlarge the picture.
// Reports "Keine Zeichnung", or a unit length that is no number or no TeX length in millimetres
// with "." (see TeXLaengeLesen), through `m` and returns false then.
bool ExportVorbereiten(const Zeichnung& z, Exportmass& mass, Meldungen& m);

// Points per unit of the lengths TeX reads: its "pt" and its "mm".
constexpr double TeXPunkte = 1;
constexpr double TeXMillimeter = 72.27 / 25.4;

// The number of a length as TeX and PostScript both read it: blanks around it, an optional sign
// and digits with at most one decimal point, no exponent; with `komma` also TeX's decimal comma,
// which PostScript does not know. False when the text is none, or when so many units of `einheit`
// points reach TeX's largest dimension (just below 16384 pt).
bool TeXLaengeLesen(std::string_view text, double einheit, bool komma, double& wert);

// Checks the TeX widths of the classes 0..2, which the exports write as they stand: TeX lengths
// in points for the picture export (`komma`), and also PostScript numbers for the PostScript
// export. Reports the first that is none through `m` and returns false then.
bool TeXBreitenPruefen(const Zeichnung& z, bool komma, Meldungen& m);

// Calls `tun(i, e)` for every live element of a drawn class, class by class from 0 to
// HoechsteEbene, each class in store order.
void InEbenenFolge(const Elementspeicher& s, const std::function<void(int, const TElement&)>& tun);

// The width class names "duenn", "normal", "dick" of classes 0..2; empty for a class without a
// width (see Breitenklasse), which is not drawn.
std::string_view Breitenname(int klasse);

// The three colour components 0..1 of a colour 0x00BBGGRR, each written with "%5.3f".
struct Farbanteile {
    std::string rot, gruen, blau;
};
Farbanteile FarbeZerlegen(std::int32_t farbe);

// Writes `text` and CR LF.
void Zeile(std::ostream& aus, std::string_view text);

// Pieces of a line for a line buffer: a number written as "%5.2f", and the line end CR LF.
struct Zahl52 {
    double wert;
};
struct Zeilenende {};
// A number with at most `stellen` decimals and no more digits than its value at that precision
// needs: 5.00 is "5", 1.50 is "1.5", -0.001 is "0".
struct KurzeZahl {
    double wert;
    int stellen = 2;
};

// Gathers the lines of an export and hands them to the stream in large pieces, so a file is
// written in few calls and without holding all of it; what is left goes out at the end of its
// life.
class Zeilenpuffer {
  public:
    explicit Zeilenpuffer(std::ostream& aus);
    ~Zeilenpuffer();
    Zeilenpuffer(const Zeilenpuffer&) = delete;
    Zeilenpuffer& operator=(const Zeilenpuffer&) = delete;

    Zeilenpuffer& operator<<(std::string_view text) {
        if (text.size() > Platz()) return Gross(text);
        frei_ = std::copy(text.begin(), text.end(), frei_);
        return *this;
    }
    Zeilenpuffer& operator<<(Zahl52 zahl) {
        if (Platz() < FestkommaPlatz + 5) Abgeben();
        frei_ = FestkommaSchreiben(frei_, zahl.wert, 5, 2);
        return *this;
    }
    Zeilenpuffer& operator<<(KurzeZahl zahl);
    Zeilenpuffer& operator<<(Zeilenende);

  private:
    std::size_t Platz() const { return static_cast<std::size_t>(ende_ - frei_); }
    // Passes on what has gathered, then takes `text` or, when it is larger than the buffer,
    // passes it on as well.
    Zeilenpuffer& Gross(std::string_view text);
    void Abgeben();

    std::ostream& aus_;
    std::unique_ptr<char[]> puffer_;
    char* frei_;
    char* ende_;
};

// "%5.2f".
inline std::string F52(double wert) {
    return Festkomma(wert, 5, 2);
}

// How element texts go into the LaTeX files: as stored (cp1252 bytes, for documents that read
// cp1252) or converted to UTF-8 (for documents that read UTF-8, LaTeX's default input encoding).
// Nothing else of a file changes.
enum class Textkodierung { Cp1252, Utf8 };

// The picture line that sets a text element: "\put(x,y){\makebox(0,0)[al]{text}}". Both exports
// write texts this way, the PostScript one into its wrapper.
std::string Textzeile(const TElement& e, Textkodierung kodierung = Textkodierung::Cp1252);
// The same line appended to `ziel`, without CR LF.
void TextzeileAnhaengen(std::string& ziel, const TElement& e, Textkodierung kodierung);

// The program's version as written into file headers.
const std::string& Programmversion();

// A file name without folder and without extension ("a/b/bild.vkp" gives "bild").
std::string Grundname(std::string_view pfad);

// Writes `inhalt` to `pfad` atomically; a failure is reported through `m` naming the file.
bool InhaltSchreiben(const std::string& pfad, const std::string& inhalt, Meldungen& m);
// The same for content that `schreiber` writes to the stream as it goes.
bool InhaltSchreiben(const std::string& pfad, const std::function<void(std::ostream&)>& schreiber,
                     Meldungen& m);

} // namespace vektra
