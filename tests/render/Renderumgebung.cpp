// Every test program that paints texts frees cairo's and fontconfig's caches at its end, so the
// leak checker sees only leaks of the program itself.
#include "Aufraeumen.h"

#include <gtest/gtest.h>

namespace {

class Renderumgebung : public testing::Environment {
  public:
    void TearDown() override { vektra::RenderAufraeumen(); }
};

const testing::Environment* const umgebung = testing::AddGlobalTestEnvironment(new Renderumgebung);

} // namespace
