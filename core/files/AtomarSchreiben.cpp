#include "files/AtomarSchreiben.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace vektra {

bool AtomarSchreiben(const std::string& pfad, const std::function<bool(std::ostream&)>& schreiber,
                     std::string& fehler) {
    namespace fs = std::filesystem;
    const fs::path ziel(pfad);
    fs::path ordner = ziel.parent_path();
    if (ordner.empty()) ordner = ".";
    // A hidden name beside the target, so the rename stays within one file system.
    std::string name = ".";
    name += ziel.filename().string();
    name += ".XXXXXX";
    std::string muster = (ordner / name).string();
    const int fd = ::mkstemp(muster.data());
    if (fd < 0) {
        fehler = std::strerror(errno);
        return false;
    }
    ::close(fd);
    const std::string temp = muster;
    bool gut = false;
    {
        std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
        if (aus && schreiber(aus)) {
            aus.flush();
            gut = static_cast<bool>(aus);
            if (!gut) fehler = "Schreibfehler";
        } else if (!aus) {
            fehler = std::strerror(errno);
        }
    }
    if (gut) {
        // Keep the permissions an existing target had; new files get the usual 0666 & ~umask.
        std::error_code ec;
        const auto rechte = fs::status(ziel, ec).permissions();
        if (!ec && fs::exists(ziel)) {
            fs::permissions(temp, rechte, ec);
        } else {
            const mode_t maske = ::umask(0);
            ::umask(maske);
            ::chmod(temp.c_str(), 0666 & ~maske);
        }
        if (std::rename(temp.c_str(), pfad.c_str()) != 0) {
            fehler = std::strerror(errno);
            gut = false;
        }
    }
    if (!gut) std::remove(temp.c_str());
    return gut;
}

} // namespace vektra
