// Recursive-descent parser, simplifier and evaluator of the formula language.
//
//   expression = term { ("+" | "-") term }
//   term       = power { ("*" | "/") power }
//   power      = unary { "^" unary }                 left-associative: 2^3^2 = 64
//   unary      = "-" factor | "+" factor | factor    so -t^2 = (-t)^2, and --t is an error
//   factor     = "(" expression ")" | function "(" expression ")" | "t" | "n" | "pi" | "e" | number
#include "curves/Formel.h"

#include "text/Texte.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

namespace vektra {
namespace {

constexpr int MaxFormellaenge = 255;

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) { Vorruecken(); }

    Formelbaum Formel() {
        Formelbaum baum = Ausdruck();
        // Advancing skips blanks, so anything left here is material after a complete formula.
        if (!fehler_ && ch_ != '\0') Fehler(ZeichenUnerwartet);
        if (fehler_) baum.reset();
        return baum;
    }

    int Fehlerstelle() const { return fehler_ ? fehlerstelle_ : 0; }
    int Fehlercode() const { return fehler_ ? fehlercode_ : 0; }

  private:
    int Laenge() const { return static_cast<int>(text_.size()); }

    void Vorruecken() {
        do {
            ++pos_;
            ch_ = pos_ <= Laenge() ? text_[static_cast<std::size_t>(pos_ - 1)] : '\0';
        } while (ch_ == ' ');
    }

    // The first error wins: every loop stops once one is set.
    void Fehler(int code) {
        if (fehler_) return;
        fehler_ = true;
        fehlercode_ = code;
        fehlerstelle_ = pos_;
    }

    static Formelbaum Knoten(std::uint8_t art) {
        auto k = std::make_unique<FormelKnoten>();
        k->Knotenart = art;
        return k;
    }

    static Formelbaum Zweistellig(char op, Formelbaum links) {
        auto k = Knoten(static_cast<std::uint8_t>(op));
        k->Links = std::move(links);
        return k;
    }

    Formelbaum Ausdruck() {
        Formelbaum links = Term();
        while (!fehler_ && (ch_ == '+' || ch_ == '-')) {
            links = Zweistellig(ch_, std::move(links));
            Vorruecken();
            links->Rechts = Term();
        }
        return links;
    }

    Formelbaum Term() {
        Formelbaum links = Potenz();
        while (!fehler_ && (ch_ == '*' || ch_ == '/')) {
            links = Zweistellig(ch_, std::move(links));
            Vorruecken();
            links->Rechts = Potenz();
        }
        return links;
    }

    Formelbaum Potenz() {
        Formelbaum links = Unaer();
        while (!fehler_ && ch_ == '^') {
            links = Zweistellig(ch_, std::move(links));
            Vorruecken();
            links->Rechts = Unaer();
        }
        return links;
    }

    Formelbaum Unaer() {
        if (ch_ == '-') {
            auto k = Knoten(KnotenNegation);
            Vorruecken();
            k->Links = Faktor();
            return k;
        }
        if (ch_ == '+') Vorruecken();
        return Faktor();
    }

    void KlammerSchliessen() {
        if (fehler_) return;
        if (ch_ != ')') {
            Fehler(KlammerFehlt);
            return;
        }
        Vorruecken();
    }

    bool StehtDa(std::string_view wort) const {
        return ch_ != '\0' && text_.substr(static_cast<std::size_t>(pos_ - 1)).starts_with(wort);
    }

    Formelbaum Faktor() {
        if (ch_ == '(') {
            Vorruecken();
            Formelbaum a = Ausdruck();
            KlammerSchliessen();
            return a;
        }
        const auto& tabelle = Funktionstabelle();
        for (std::size_t i = 0; i < tabelle.size(); ++i) {
            if (!StehtDa(tabelle[i].Name)) continue;
            pos_ += static_cast<int>(tabelle[i].Name.size()) - 1;
            Vorruecken();
            if (ch_ != '(') {
                Fehler(FunktionOhneKlammer);
                return nullptr;
            }
            auto k = Knoten(static_cast<std::uint8_t>(KnotenErsteFunktion + i));
            Vorruecken();
            k->Links = Ausdruck();
            KlammerSchliessen();
            return k;
        }
        if (ch_ == 't' || ch_ == 'n') {
            auto k = Knoten(ch_ == 't' ? KnotenT : KnotenN);
            Vorruecken();
            return k;
        }
        if (StehtDa("pi")) {
            auto k = Knoten(KnotenZahl);
            k->Wert = std::numbers::pi_v<Extended>;
            ++pos_;
            Vorruecken();
            return k;
        }
        if (ch_ == 'e') {
            auto k = Knoten(KnotenZahl);
            k->Wert = std::exp(1.0L);
            Vorruecken();
            return k;
        }
        if (IstZiffer(ch_) || ch_ == '.') return Zahl();
        Fehler(ch_ == ' ' || pos_ > Laenge() ? OperandFehlt : ZeichenUnerwartet);
        return nullptr;
    }

    // Digits, optionally "." and digits, optionally an exponent; read greedily, then converted
    // as a whole. The error position of a literal that does not convert is its first character.
    Formelbaum Zahl() {
        const std::size_t anfang = static_cast<std::size_t>(pos_ - 1);
        std::size_t j = anfang;
        auto ziffern = [&] {
            while (j < text_.size() && IstZiffer(text_[j]))
                ++j;
        };
        ziffern();
        if (j < text_.size() && text_[j] == '.') {
            ++j;
            ziffern();
        }
        if (j < text_.size() && (text_[j] == 'e' || text_[j] == 'E')) {
            ++j;
            if (j < text_.size() && (text_[j] == '+' || text_[j] == '-')) ++j;
            ziffern();
        }
        Extended wert = 0;
        const char* von = text_.data() + anfang;
        const char* bis = text_.data() + j;
        const auto [ende, fehler] = std::from_chars(von, bis, wert);
        if (fehler != std::errc{} || ende != bis) {
            Fehler(ZahlUngueltig);
            return nullptr;
        }
        auto k = Knoten(KnotenZahl);
        k->Wert = wert;
        pos_ = static_cast<int>(j);
        Vorruecken();
        return k;
    }

    std::string_view text_;
    int pos_ = 0;
    char ch_ = '\0';
    bool fehler_ = false;
    int fehlercode_ = 0;
    int fehlerstelle_ = 0;
};

// Takes the operand out of a negation node, releasing the node.
Formelbaum OhneNegation(Formelbaum& negation) {
    return std::move(negation->Links);
}

bool IstNegation(const Formelbaum& k) {
    return k && k->Knotenart == KnotenNegation;
}

std::string Knotenname(std::uint8_t art) {
    if (art >= KnotenErsteFunktion && art <= KnotenLetzteFunktion)
        return std::string(Funktionstabelle()[art - KnotenErsteFunktion].Name);
    return std::string(1, static_cast<char>(art == KnotenNegation ? '-' : art));
}

// Evaluates one node. When `quelle` is given, the fault flags are tested after every operation
// and the first operation that raised one is named there.
Extended Wert(const FormelKnoten* k, Extended t, Extended n, std::string* quelle) {
    if (!k) {
        Formelfehler = FehlenderBaum;
        return 0;
    }
    Extended w;
    switch (k->Knotenart) {
    case KnotenZahl:
        return k->Wert;
    case KnotenT:
        return t;
    case KnotenN:
        return n;
    case KnotenPlus:
        w = Wert(k->Links.get(), t, n, quelle);
        w = w + Wert(k->Rechts.get(), t, n, quelle);
        break;
    case KnotenMinus:
        w = Wert(k->Links.get(), t, n, quelle);
        w = w - Wert(k->Rechts.get(), t, n, quelle);
        break;
    case KnotenMal:
        w = Wert(k->Links.get(), t, n, quelle);
        w = w * Wert(k->Rechts.get(), t, n, quelle);
        break;
    case KnotenDurch:
        w = Wert(k->Links.get(), t, n, quelle);
        w = w / Wert(k->Rechts.get(), t, n, quelle);
        break;
    case KnotenHoch:
        w = Wert(k->Links.get(), t, n, quelle);
        w = Pwr(w, Wert(k->Rechts.get(), t, n, quelle));
        break;
    case KnotenNegation:
        return -Wert(k->Links.get(), t, n, quelle);
    default:
        if (k->Knotenart < KnotenErsteFunktion || k->Knotenart > KnotenLetzteFunktion) {
            // A node no parser makes: report it as a fault of its own.
            std::feraiseexcept(FE_INVALID);
            if (quelle && quelle->empty()) *quelle = T("v.FehlerImBaum");
            return std::numeric_limits<Extended>::quiet_NaN();
        }
        w = Funktionstabelle()[k->Knotenart - KnotenErsteFunktion].Funktion(
            Wert(k->Links.get(), t, n, quelle));
        break;
    }
    if (quelle && quelle->empty()) {
        // The volatile store keeps the operation ahead of the flag test.
        volatile Extended fertig = w;
        static_cast<void>(fertig);
        if (Rechenfehler()) *quelle = Knotenname(k->Knotenart);
    }
    return w;
}

} // namespace

Formelbaum FormelParsen(std::string& text, int maxLaenge, int& fehlerstelle, int& fehlercode) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const int laenge = std::max(0, std::min({maxLaenge, MaxFormellaenge, static_cast<int>(text.size())}));
    Parser p(std::string_view(text).substr(0, static_cast<std::size_t>(laenge)));
    Formelbaum baum = p.Formel();
    fehlerstelle = p.Fehlerstelle();
    fehlercode = p.Fehlercode();
    FormelVereinfachen(baum);
    return baum;
}

Extended FormelAuswerten(const FormelKnoten* baum, Extended t, Extended n) {
    return Wert(baum, t, n, nullptr);
}

void FormelFreigeben(Formelbaum& baum) {
    baum.reset();
}

void FormelVereinfachen(Formelbaum& k) {
    if (!k) return;
    FormelVereinfachen(k->Links);
    FormelVereinfachen(k->Rechts);
    if (k->Knotenart == KnotenNegation && IstNegation(k->Links)) {
        Formelbaum innen = OhneNegation(k->Links);
        k = std::move(innen);
    }
    if (k->Knotenart == KnotenPlus && IstNegation(k->Rechts)) {
        k->Knotenart = KnotenMinus;
        k->Rechts = OhneNegation(k->Rechts);
    }
    if (k->Knotenart == KnotenMinus && IstNegation(k->Rechts)) {
        k->Knotenart = KnotenPlus;
        k->Rechts = OhneNegation(k->Rechts);
    }
    if (k->Knotenart == KnotenPlus && IstNegation(k->Links)) {
        k->Knotenart = KnotenMinus;
        Formelbaum a = OhneNegation(k->Links);
        k->Links = std::move(k->Rechts);
        k->Rechts = std::move(a);
    }
}

std::string Fehlerquelle(const FormelKnoten* baum, Extended t, Extended n) {
    std::string quelle;
    RechenflagsLoeschen();
    Wert(baum, t, n, &quelle);
    return quelle;
}

} // namespace vektra
