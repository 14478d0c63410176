#include "files/AtomarSchreiben.h"

#include "text/Format.h"
#include "text/Texte.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace vektra {
namespace {

namespace fs = std::filesystem;

// As many links in a row as the system follows itself.
constexpr int MaxVerweise = 40;

bool AllesSchreiben(int fd, std::string_view daten, int& grund) {
    while (!daten.empty()) {
        const ssize_t geschrieben = ::write(fd, daten.data(), daten.size());
        if (geschrieben < 0 && errno == EINTR) continue;
        if (geschrieben < 0) {
            grund = errno;
            return false;
        }
        daten.remove_prefix(static_cast<std::size_t>(geschrieben));
    }
    return true;
}

std::atomic<bool> aufPlatteWarten{true};

// Passes what is written on to the file in blocks, so a large output is never held whole in
// memory. After a failed write nothing more is written; `grund` holds its error.
class Dateistrom : public std::streambuf {
  public:
    explicit Dateistrom(int fd) : fd_(fd), puffer_(std::make_unique_for_overwrite<char[]>(Groesse)) {
        setp(puffer_.get(), puffer_.get() + Groesse);
    }
    bool Leeren() {
        const std::string_view inhalt(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(puffer_.get(), puffer_.get() + Groesse);
        if (grund == 0) AllesSchreiben(fd_, inhalt, grund);
        return grund == 0;
    }
    int grund = 0;

  protected:
    int_type overflow(int_type c) override {
        if (!Leeren()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto laenge = static_cast<std::size_t>(n);
        if (laenge > static_cast<std::size_t>(epptr() - pptr())) {
            if (!Leeren()) return 0;
            if (laenge >= Groesse) return AllesSchreiben(fd_, {s, laenge}, grund) ? n : 0;
        }
        std::memcpy(pptr(), s, laenge);
        pbump(static_cast<int>(n));
        return n;
    }
    int sync() override { return Leeren() ? 0 : -1; }

  private:
    static constexpr std::size_t Groesse = std::size_t{1} << 16;
    int fd_;
    std::unique_ptr<char[]> puffer_;
};

// Follows the symbolic links of `pfad` (a relative link counts from its own folder) to the file
// that is to be written. `vorhanden` tells whether it exists yet; `st` is then its state.
bool ZielFinden(const std::string& pfad, std::string& ziel, struct stat& st, bool& vorhanden, int& grund) {
    ziel = pfad;
    for (int verweise = 0;; ++verweise) {
        if (::lstat(ziel.c_str(), &st) != 0) {
            vorhanden = false;
            if (errno == ENOENT) return true;
            grund = errno;
            return false;
        }
        vorhanden = true;
        if (!S_ISLNK(st.st_mode)) return true;
        if (verweise == MaxVerweise) {
            grund = ELOOP;
            return false;
        }
        std::error_code ec;
        const fs::path verweis = fs::read_symlink(ziel, ec);
        if (ec) {
            grund = ec.value();
            return false;
        }
        ziel = (verweis.is_absolute() ? verweis : fs::path(ziel).parent_path() / verweis).string();
    }
}

// Gives the new file the old one's owner, group, mode and extended attributes (its access
// lists among them), as far as the system lets this user. Otherwise it stays the saver's.
void EigenschaftenUebernehmen(int fd, const std::string& ziel, const struct stat& st) {
    // Owner first: a change of owner clears the set-id bits that the mode then restores. Someone
    // else's file keeps at least its group where the saver belongs to it.
    static_cast<void>(::fchown(fd, st.st_uid, st.st_gid) == 0 ||
                      ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) == 0);
    ::fchmod(fd, st.st_mode & 07777);
    const ssize_t laenge = ::listxattr(ziel.c_str(), nullptr, 0);
    if (laenge <= 0) return;
    std::vector<char> namen(static_cast<std::size_t>(laenge));
    const ssize_t gelesen = ::listxattr(ziel.c_str(), namen.data(), namen.size());
    std::vector<char> wert;
    for (ssize_t i = 0; i < gelesen; i += static_cast<ssize_t>(std::strlen(namen.data() + i)) + 1) {
        const char* name = namen.data() + i;
        const ssize_t groesse = ::getxattr(ziel.c_str(), name, nullptr, 0);
        if (groesse < 0) continue;
        wert.resize(static_cast<std::size_t>(groesse));
        if (::getxattr(ziel.c_str(), name, wert.data(), wert.size()) == groesse)
            ::fsetxattr(fd, name, wert.data(), wert.size(), 0);
    }
}

// Syncs and closes `fd`. Some file systems report a failed write only here.
bool Abschliessen(int fd, bool gut, int& grund) {
    if (gut && aufPlatteWarten && ::fsync(fd) != 0) {
        grund = errno;
        gut = false;
    }
    if (::close(fd) != 0 && gut) {
        grund = errno;
        gut = false;
    }
    return gut;
}

// Writes the target itself with the content of the complete copy `temp`, so that all its hard
// links see the new content. `begonnen` tells whether the target was touched before a failure.
bool AnOrtSchreiben(const std::string& ziel, const std::string& temp, int& grund, bool& begonnen) {
    std::ifstream kopie(temp, std::ios::binary);
    std::ostringstream gelesen;
    if (!(kopie && gelesen << kopie.rdbuf())) {
        grund = errno != 0 ? errno : EIO;
        return false;
    }
    const std::string_view inhalt = gelesen.view();
    const int fd = ::open(ziel.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        grund = errno;
        return false;
    }
    begonnen = true;
    bool gut = AllesSchreiben(fd, inhalt, grund);
    if (gut && ::ftruncate(fd, static_cast<off_t>(inhalt.size())) != 0) {
        grund = errno;
        gut = false;
    }
    return Abschliessen(fd, gut, grund);
}

// Makes a rename in `ordner` last through a crash.
void OrdnerSichern(const fs::path& ordner) {
    if (!aufPlatteWarten) return;
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void AufPlatteWarten(bool warten) {
    aufPlatteWarten = warten;
}

bool AtomarSchreiben(const std::string& pfad, const std::function<bool(std::ostream&)>& schreiber,
                     std::string& fehler) {
    std::string ziel;
    struct stat st {};
    bool vorhanden = false;
    int grund = 0;
    if (!ZielFinden(pfad, ziel, st, vorhanden, grund)) {
        fehler = std::strerror(grund);
        return false;
    }
    if (vorhanden && S_ISDIR(st.st_mode)) {
        fehler = std::strerror(EISDIR);
        return false;
    }
    // Writing a pipe or a device would block or reach something else than a file; replacing it
    // would lose it.
    if (vorhanden && !S_ISREG(st.st_mode)) {
        fehler = T("v.Schreiben.KeineDatei");
        return false;
    }
    fs::path ordner = fs::path(ziel).parent_path();
    if (ordner.empty()) ordner = ".";
    // A hidden name beside the target, so the rename stays within one file system.
    std::string name = ".";
    name += fs::path(ziel).filename().string();
    name += ".XXXXXX";
    std::string temp = (ordner / name).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        fehler = std::strerror(errno);
        return false;
    }
    if (vorhanden) {
        EigenschaftenUebernehmen(fd, ziel, st);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }
    Dateistrom strom(fd);
    std::ostream aus(&strom);
    const bool geschrieben = schreiber(aus) && strom.Leeren();
    grund = strom.grund;
    bool gut = Abschliessen(fd, geschrieben, grund);
    // A file with several names is written where it is, once its complete copy is safe beside it.
    const bool anOrt = vorhanden && st.st_nlink > 1;
    bool begonnen = false;
    if (gut && anOrt) {
        gut = AnOrtSchreiben(ziel, temp, grund, begonnen);
    } else if (gut) {
        gut = std::rename(temp.c_str(), ziel.c_str()) == 0;
        if (gut)
            OrdnerSichern(ordner);
        else
            grund = errno;
    }
    if (gut) {
        if (anOrt) std::remove(temp.c_str());
        return true;
    }
    if (grund != 0) fehler = std::strerror(grund);
    // Once the target is touched, the complete copy is all that is left of the new content.
    if (begonnen)
        fehler = Formatieren(T("v.Schreiben.Kopie"), {fehler, temp});
    else
        std::remove(temp.c_str());
    return false;
}

} // namespace vektra
