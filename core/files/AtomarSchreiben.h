#pragma once
// Writes a file so that a failure never destroys the previous one: a temporary file in the
// target folder is written and flushed, then renamed over the target.
#include <functional>
#include <ostream>
#include <string>

namespace vektra {

// `schreiber` writes the content and returns false to abandon the write (the target is then
// left untouched). Returns false with a human-readable reason in `fehler` (UTF-8) on failure.
bool AtomarSchreiben(const std::string& pfad, const std::function<bool(std::ostream&)>& schreiber,
                     std::string& fehler);

} // namespace vektra
