#pragma once
// Writes a file so that a failure never destroys the previous one: a temporary file in the
// target folder is written (and synced, see AufPlatteWarten), then renamed over the target. A symbolic link is written
// through to the file it names; that file keeps its owner, group, mode and extended attributes as
// far as the system allows. A file with several hard links is overwritten in place, so every link
// sees the new content, once its complete copy is on disk beside it; should the overwrite fail,
// that copy stays and the reason names it. What is not a regular file (a pipe, a device, a
// folder) is refused and left as it is.
#include <functional>
#include <ostream>
#include <string>

namespace vektra {

// `schreiber` writes the content and returns false to abandon the write (the target is then
// left untouched). Returns false with a human-readable reason in `fehler` (UTF-8) on failure;
// an abandoned write leaves `fehler` as it was.
bool AtomarSchreiben(const std::string& pfad, const std::function<bool(std::ostream&)>& schreiber,
                     std::string& fehler);

// Whether a write waits until the new content and its name are on the disk before it counts as
// done (the default). The editor does, so a saved drawing outlives a power cut at once. The
// converter, which make runs for many figures from sources that stay, leaves that to the system
// as compilers do: a sync costs more than the whole conversion, and its files are still never
// seen half written.
void AufPlatteWarten(bool warten);

} // namespace vektra
