#pragma once
// vektra32-convert starts without cairo and its libraries. A call whose output is drawn with cairo
// goes on to vektra32-convert-cairo, the converter that has the render library, with the same
// arguments.
#include <ostream>

namespace vektra {

// Replaces this process with vektra32-convert-cairo, given `argv` as main() got it. The program
// is looked for beside the running one (so in the build folder), then where the install puts it.
// Returns only when it cannot be started: after a message on `err`, with KonvertiertNicht.
int CairoKonverterStarten(char** argv, std::ostream& err);

} // namespace vektra
