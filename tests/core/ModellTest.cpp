#include "model/Zeichnung.h"

#include <gtest/gtest.h>

using namespace vektra;

TEST(Elementspeicher, HaeltHoechstens32000) {
    Elementspeicher s;
    for (int i = 0; i < MaxElemente; ++i) ASSERT_NE(s.NeuesElement(), nullptr);
    EXPECT_EQ(s.NeuesElement(), nullptr);
    EXPECT_EQ(s.Anzahl(), MaxElemente);
}
