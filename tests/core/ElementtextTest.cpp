// The element's compact texts against std::string: random assignments, copies, moves, texts
// taken from themselves, and bytes of every value, NUL among them.
#include "model/Element.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace vektra;

TEST(Elementtext, VerhaeltSichWieEinStringAusBytes) {
    std::mt19937 zufall(17);
    std::uniform_int_distribution<int> byte(0, 255), laenge(0, 300), wahl(0, 5);
    std::vector<Elementtext> texte(4);
    std::vector<std::string> modell(4);
    std::vector<Kurztext> kurz(4);
    std::vector<std::string> kurzModell(4, "cc");
    for (int schritt = 0; schritt < 4000; ++schritt) {
        const auto i = static_cast<std::size_t>(schritt % 4), j = static_cast<std::size_t>(wahl(zufall) % 4);
        switch (wahl(zufall)) {
        case 0: {
            std::string neu(static_cast<std::size_t>(laenge(zufall) % (schritt % 3 == 0 ? 1 : 300)), '\0');
            for (char& c : neu)
                c = static_cast<char>(byte(zufall));
            texte[i] = neu;
            modell[i] = neu;
            kurz[i] = neu;
            kurzModell[i] = neu.substr(0, 2);
            break;
        }
        case 1:
            texte[i] = texte[j];
            modell[i] = modell[j];
            kurz[i] = kurz[j];
            kurzModell[i] = kurzModell[j];
            break;
        case 2: {
            // A part of the text itself, as a reader that cuts a text in place hands it.
            const std::string_view v = texte[i];
            const std::size_t ab = v.size() / 3;
            texte[i].assign(v.data() + ab, v.size() - ab);
            modell[i] = modell[i].substr(ab);
            break;
        }
        case 3:
            texte[i] = std::move(texte[j]);
            modell[i] = modell[j];
            if (i != j) {
                texte[j] = Elementtext();
                modell[j].clear();
            }
            break;
        case 4: {
            const auto n = static_cast<std::size_t>(wahl(zufall) % 4);
            kurz[i].resize(n, 'x');
            kurzModell[i].resize(std::min<std::size_t>(n, 2), 'x');
            break;
        }
        default: {
            TElement e;
            e.TextSetzen(modell[i]);
            ASSERT_EQ(std::string_view(e.Text), std::string_view(modell[i]).substr(0, MaxTextLaenge));
            break;
        }
        }
        for (std::size_t k = 0; k < 4; ++k) {
            ASSERT_EQ(std::string_view(texte[k]), modell[k]) << schritt;
            ASSERT_EQ(texte[k].empty(), modell[k].empty());
            ASSERT_EQ(texte[k].Bytes(), modell[k].empty() ? 0 : modell[k].size() + 4);
            ASSERT_EQ(std::string_view(kurz[k]), kurzModell[k]) << schritt;
        }
    }
    // A new element's alignment is centred and its text empty.
    const TElement neu;
    EXPECT_TRUE(neu.Ausrichtung == "cc" && neu.Text.empty() && neu.Text.data()[0] == '\0');
}
