#pragma once
// The caches cairo and fontconfig keep for the life of the process.

namespace vektra {

// Frees them; for the end of a process that painted texts, so leak checkers see a clean exit.
// Nothing of cairo may be in use then.
void RenderAufraeumen();

} // namespace vektra
