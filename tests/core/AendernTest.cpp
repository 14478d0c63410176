#include "editing/Aendern.h"

#include "Testhilfe.h"

using namespace testhilfe;

TEST(Aendern, BreiteNurFuerSichtbareStricheUndKreise) {
    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1, -1).gepickt = true;
    NeuerStrich(z, 0, 0, 1, 1, 0).gepickt = true;
    NeuerStrich(z, 0, 0, 1, 1, 1, 0, Pfeilspitze).gepickt = true;
    NeuerKreis(z, 0, 0, 2, true, 1).gepickt = true;
    NeuerText(z, 0, 0, "t").gepickt = true;
    NeuerStrich(z, 0, 0, 1, 1, 0);
    EXPECT_TRUE(BreiteAendern(z.Elemente, 2));
    EXPECT_EQ(Breiten(z.Elemente), "-1 2 2 2 1 0 ");
    EXPECT_FALSE(BreiteAendern(z.Elemente, 2));
    // A class outside -1..2 is never taken.
    EXPECT_FALSE(BreiteAendern(z.Elemente, 3) || BreiteAendern(z.Elemente, -2));
    EXPECT_TRUE(BreiteAendern(z.Elemente, -1));
    EXPECT_EQ(Breiten(z.Elemente), "-1 -1 -1 -1 1 0 ");
}

TEST(Aendern, NaechsterText) {
    Zeichnung z;
    NeuerStrich(z, 5, 5, 5, 5);
    NeuerText(z, 10005, 0, "fern");
    NeuerText(z, 3, 4, "a").geloescht = true;
    NeuerText(z, -3, -4, "b");
    NeuerText(z, 4, 3, "c");
    // {x, y, index}: equal distances go to the lower index, deleted texts count, lines do not,
    // and a text exactly 10000 units away is out of reach.
    const std::tuple<double, double, int> faelle[] = {{0, 0, 3}, {-1, -1, 4},     {4, 3, 5},
                                                      {5, 5, 3}, {20004.5, 0, 2}, {20005, 0, 0}};
    for (const auto& [x, y, index] : faelle)
        EXPECT_EQ(NaechsterText(z.Elemente, x, y), index) << x << "," << y;
    EXPECT_EQ(NaechsterText(Elementspeicher{}, 0, 0), 0);
}
