#include "text/Format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>

using namespace vektra;

namespace {

// What printf makes of the value, with "." whatever the C library's locale.
std::string Printf(double wert, int breite, int stellen) {
    char puffer[512];
    std::snprintf(puffer, sizeof puffer, "%*.*f", breite, stellen, wert);
    std::string s = puffer;
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

} // namespace

TEST(Format, FestkommaRundetDenGenauenWertZurGeradenZiffer) {
    struct Fall {
        double wert;
        int breite, stellen;
        std::string text;
    };
    // clang-format off
    const Fall faelle[] = {
        {0.125, 5, 2, " 0.12"}, {0.375, 5, 2, " 0.38"}, {-0.125, 5, 2, "-0.12"}, // exact ties
        {0.5, 0, 0, "0"}, {1.5, 0, 0, "2"}, {2.5, 0, 0, "2"}, {-2.5, 0, 0, "-2"},
        {2.675, 5, 2, " 2.67"}, {1.005, 5, 2, " 1.00"}, {0.045, 0, 2, "0.04"}, // stored just below the tie
        {1.0 / 3, 5, 3, "0.333"}, {254.0 / 255, 5, 3, "0.996"}, {0.00005, 0, 4, "0.0001"},
        {-0.0, 5, 2, "-0.00"}, {-0.001, 5, 2, "-0.00"}, {5e-324, 0, 2, "0.00"}, {0.0, 5, 0, "    0"},
        {999999999.995, 0, 2, "1000000000.00"}, {1e9, 0, 2, "1000000000.00"}, {-1e15, 0, 1, "-1000000000000000.0"},
        {123.456, 9, 4, " 123.4560"}, {7, 3, 6, "7.000000"}, {0x1p70, 0, 0, "1180591620717411303424"},
        {INFINITY, 5, 2, "  inf"}, {-INFINITY, 0, 2, "-inf"}, {NAN, 5, 2, "  nan"},
    };
    // clang-format on
    for (const Fall& f : faelle)
        EXPECT_EQ(Festkomma(f.wert, f.breite, f.stellen), f.text) << f.wert << " " << f.stellen;

    std::string s = "x=";
    FestkommaAnhaengen(s, 2.5, 5, 2);
    FestkommaAnhaengen(s, -1.125, 0, 2);
    EXPECT_EQ(s, "x= 2.50-1.12");
}

TEST(Format, FestkommaGleichtPrintfAufVielenWerten) {
    std::mt19937_64 zufall(20240607);
    // Any bit pattern, binary fractions (ties at every digit), decimal fractions, huge and tiny.
    const auto wert = [&](int art) -> double {
        switch (art) {
        case 0:
            return std::bit_cast<double>(zufall());
        case 1:
            return static_cast<double>(static_cast<std::int64_t>(zufall() % 4000001) - 2000000) /
                   static_cast<double>(1 << (zufall() % 14));
        case 2:
            return static_cast<double>(static_cast<std::int64_t>(zufall() % 20000001) - 10000000) / 1000;
        case 3:
            return std::ldexp(static_cast<double>(zufall() >> 11), static_cast<int>(zufall() % 140) - 120);
        default:
            return std::nextafter(1e9, static_cast<double>(zufall() % 3) * 1e9);
        }
    };
    int abweichungen = 0;
    for (int i = 0; i < 200000 && abweichungen < 10; ++i) {
        const double w = wert(i % 5);
        if (std::isnan(w)) continue;
        const int stellen = i % 7;
        const int breite = (i / 7) % 3 * 4 + 1;
        const std::string erwartet = Printf(w, breite, stellen);
        if (Festkomma(w, breite, stellen) != erwartet) {
            ++abweichungen;
            ADD_FAILURE() << std::hexfloat << w << " %" << breite << "." << stellen
                          << "f: " << Festkomma(w, breite, stellen) << " statt " << erwartet;
        }
    }
}
