#include "Testhilfe.h"
#include "files/AtomarSchreiben.h"

#include <set>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/xattr.h>

using namespace testhilfe;
namespace fs = std::filesystem;

namespace {

constexpr uid_t Niemand = 65534;
const auto neu = [](std::ostream& aus) { return static_cast<bool>(aus << "neu"); };

// Root writes anywhere, so it works as someone else meanwhile.
struct AlsNiemand {
    AlsNiemand() { ::setfsuid(::geteuid() == 0 ? Niemand : ::geteuid()); }
    ~AlsNiemand() { ::setfsuid(::geteuid()); }
};

} // namespace

// Entries "name:inhalt" (a file), "name=alt" (one more hard link), "name->ziel" (a link), "name|"
// (a pipe), "name/" (a folder, "r/" without write permission).
TEST(Schreiben, VerweiseHarteLinksAndereDateiartenUndSchreibrechte) {
    const struct {
        std::vector<std::string> vorher;
        std::string ziel, fehler, nachher;
    } faelle[] = {
        {{"a:alt", "l->a"}, "l", "", "a:neu l->a"},
        {{"d/", "d/a:alt", "e/", "e/l->../d/a", "k->e/l"}, "k", "", "d/ d/a:neu e/ e/l->../d/a k->e/l"},
        {{"l->a"}, "l", "", "a:neu l->a"},
        {{"l->m", "m->l"}, "l", "Too many levels of symbolic links", "l->m m->l"},
        {{"x.vkx|"}, "x.vkx", "keine gewöhnliche Datei, sie bleibt unverändert", "x.vkx|"},
        {{"a:alt", "b=a", "l->b"}, "l", "", "a:neu b:neu l->b"},
        {{"r/", "r/a:alt"}, "r/a", "Permission denied", "r/ r/a:alt"},
        {{"r/", "r/a:alt", "l->r/a"}, "l", "Permission denied", "l->r/a r/ r/a:alt"},
    };
    const AlsNiemand niemand;
    for (const auto& f : faelle) {
        Ordner o;
        for (const std::string& e : f.vorher)
            if (const auto n = e.find_first_of(">=:"); n == std::string::npos)
                e.ends_with('|') ? ::mkfifo(o.Datei(e.substr(0, e.size() - 1)).c_str(), 0644)
                                 : fs::create_directory(o.Datei(e));
            else if (e[n] == '>')
                fs::create_symlink(e.substr(n + 1), o.Datei(e.substr(0, n - 1)));
            else
                e[n] == '=' ? fs::create_hard_link(o.Datei(e.substr(n + 1)), o.Datei(e.substr(0, n)))
                            : o.Ablegen(e.substr(0, n), e.substr(n + 1));
        const fs::path r = o.Datei("r");
        if (fs::exists(r)) fs::permissions(r, fs::perms::owner_exec, fs::perm_options::replace);
        std::string fehler, nachher;
        EXPECT_EQ(AtomarSchreiben(o.Datei(f.ziel), neu, fehler), f.fehler.empty()) << f.nachher;
        EXPECT_EQ(fehler, f.fehler);
        if (fs::exists(r)) fs::permissions(r, fs::perms::owner_all);
        for (const fs::path& e : std::set<fs::path>(fs::recursive_directory_iterator(o.pfad), {}))
            nachher += " " + e.lexically_relative(o.pfad).string() +
                       (fs::is_symlink(e)     ? "->" + fs::read_symlink(e).string()
                        : fs::is_fifo(e)      ? "|"
                        : fs::is_directory(e) ? "/"
                                              : ":" + DateiInhalt(e));
        EXPECT_EQ(nachher.substr(1), f.nachher);
    }
}

TEST(Schreiben, BesitzerRechteUndAttributeBleiben) {
    Ordner o;
    const std::string a = o.Datei("a");
    o.Ablegen("a", "alt");
    ::chmod(a.c_str(), 0640);
    const bool besitzer = ::geteuid() == 0 && ::chown(a.c_str(), Niemand, Niemand) == 0;
    const bool attribut = ::setxattr(a.c_str(), "user.vektra", "1", 1, 0) == 0;
    std::string fehler;
    struct stat st {};
    char wert = 0;
    EXPECT_TRUE(AtomarSchreiben(a, neu, fehler) && ::stat(a.c_str(), &st) == 0) << fehler;
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_TRUE(!attribut || (::getxattr(a.c_str(), "user.vektra", &wert, 1) == 1 && wert == '1'));
    EXPECT_TRUE(!besitzer || (st.st_uid == Niemand && st.st_gid == Niemand)) << st.st_uid << ":" << st.st_gid;
    if (!besitzer || !attribut)
        GTEST_SKIP() << (besitzer ? "" : "owner checked only where root can give a file away; ")
                     << (attribut ? "" : "no user attributes on this file system");
}

// Output far larger than the write buffer, in pieces from one byte to more than the buffer at
// once, arrives whole: in a new file and in place through a second hard link.
TEST(Schreiben, GrosseAusgabeInStueckenJederGroesse) {
    std::string inhalt;
    for (std::size_t i = 0; inhalt.size() < 300000; ++i)
        inhalt += std::string(i * 37 % 70001 + 1, static_cast<char>('a' + i % 26)) + '\0';
    const auto schreiber = [&](std::ostream& aus) {
        for (std::size_t p = 0, n = 1; p < inhalt.size(); p += n, n = n * 7 % 150001 + 1)
            aus.write(inhalt.data() + p, static_cast<std::streamsize>(std::min(n, inhalt.size() - p)));
        return static_cast<bool>(aus);
    };
    Ordner o;
    o.Ablegen("alt", "alt");
    fs::create_hard_link(o.Datei("alt"), o.Datei("link"));
    for (const char* ziel : {"neu", "link"}) {
        std::string fehler;
        ASSERT_TRUE(AtomarSchreiben(o.Datei(ziel), schreiber, fehler)) << fehler;
        EXPECT_TRUE(DateiInhalt(o.Datei(ziel)) == inhalt) << ziel;
    }
    EXPECT_TRUE(DateiInhalt(o.Datei("alt")) == inhalt);
    EXPECT_EQ(std::distance(fs::directory_iterator(o.pfad), fs::directory_iterator()), 3);
}
