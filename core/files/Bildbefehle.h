#pragma once
// The standard commands of LaTeX's picture environment as other programs and people write them:
// \put and \multiput, \line, \vector, \circle, \oval, \qbezier, the three boxes and texts, the
// line widths, the unit length, colours, groups and the picture environment itself. They are
// read as commands wherever they stand, several on a line or inside one another; an argument
// still open at a line's end takes in the following lines. What is not read is noted with its
// line for the report at the end.
#include "curves/Sehnen.h"
#include "files/Importzustand.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vektra::bildimport {

// A colour of the color package's form: a named colour when `modell` is empty, or one of the models
// rgb, RGB and gray; as 0x00BBGGRR. False for anything else.
bool FarbeLesen(std::string_view modell, std::string_view angabe, std::int32_t& farbe);

class Bildbefehle {
  public:
    Bildbefehle(Importzustand& s, Zeilenquelle& q) : s_(s), q_(q) {}

    // Reads the commands of `zeile`, the line `q` gave last, from column `ab` on.
    void Lesen(std::string_view zeile, std::size_t ab);

  private:
    // Everything up to the end of the text, which may still grow by following lines.
    static constexpr std::size_t BisEnde = std::string::npos;

    void Anfuegen(std::string_view zeile, int nummer);
    std::size_t Ende(std::size_t bis) const { return std::min(bis, text_.size()); }
    int ZeileBei(std::size_t p) const;
    void Uebergehen(std::size_t p) { s_.Uebergangen(ZeileBei(p)); }

    void Leer(std::size_t bis);
    bool Ist(std::size_t bis, char c);
    std::string_view Steuerwort(std::size_t bis);
    bool Zahl(std::size_t bis, double& wert);
    bool Paar(std::size_t bis, double& x, double& y);
    bool Argument(std::size_t bis, std::size_t& von, std::size_t& zu);
    bool Option(std::size_t bis, std::string& inhalt);
    bool ZahlArgument(std::size_t bis, double& wert);

    void Befehle(std::size_t bis, bool imArgument);
    // Ends the innermost group unless it was opened outside the argument being read.
    void GruppeBeenden() {
        if (s_.Tiefe() > boden_) s_.GruppeZu();
    }
    void Befehl(std::size_t bis, bool imArgument);
    void Text(std::size_t von, std::size_t bis);
    bool Put(std::size_t bis);
    bool Verschoben(double x, double y, std::size_t von, std::size_t zu);
    bool Multiput(std::size_t bis);
    bool Gerade(std::size_t bis, bool pfeil);
    bool KreisBefehl(std::size_t bis);
    bool Oval(std::size_t bis);
    bool Bezier(std::size_t bis);
    bool Box(std::size_t bis, std::string_view name);
    bool Farbe(std::size_t bis);
    bool Linienstaerke(std::size_t bis);
    bool Setlength(std::size_t bis);
    bool Einheitslaenge(std::size_t bis);
    bool Umgebung(std::size_t bis, bool anfang);
    bool Definition(std::size_t bis);
    void Sehnen(const std::vector<Kurvenstueck>& sehnen, int zeile);

    Importzustand& s_;
    Zeilenquelle& q_;
    // The lines read so far as TeX reads them: comments gone, each line end a blank unless a
    // comment swallowed it, the blanks that begin a following line dropped.
    std::string text_;
    // Where each line begins in text_, with its number.
    std::vector<std::pair<std::size_t, int>> zeilen_;
    bool kommentiert_ = false;
    std::size_t pos_ = 0;
    // The groups open when the argument being read began; none at the outermost level.
    std::size_t boden_ = 0;
    // How many \put and \multiput arguments are being read, one inside the other.
    int verschachtelung_ = 0;
};

} // namespace vektra::bildimport
