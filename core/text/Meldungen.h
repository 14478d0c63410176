#pragma once
// How the core reports messages and asks questions. The desktop program answers with message
// boxes, the converter with lines on stderr, the tests with a recorder that scripts answers.
#include <string>

namespace vektra {

enum class Meldungsart { Information, Warnung, Fehler, Schlicht };
enum class Knoepfe { Ok, JaNein, JaNeinAbbruch };
enum class Antwort { Ok, Ja, Nein, Abbruch };

class Meldungen {
public:
    virtual ~Meldungen() = default;
    // `text` is UTF-8. `zeile` is the input line the message belongs to, 0 for none.
    virtual void Melden(Meldungsart art, const std::string& text, int zeile = 0) = 0;
    virtual Antwort Fragen(Meldungsart art, const std::string& text, Knoepfe knoepfe) = 0;
};

} // namespace vektra
