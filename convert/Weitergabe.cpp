#include "Weitergabe.h"

#include "Konverter.h"

#include "text/Format.h"
#include "text/Texte.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace vektra {

int CairoKonverterStarten(char** argv, std::ostream& err) {
    namespace fs = std::filesystem;
    constexpr const char* Name = "vektra32-convert-cairo";
    std::error_code ec;
    const fs::path programm = fs::read_symlink("/proc/self/exe", ec);
    const fs::path ordner = ec ? fs::path(argv[0]).parent_path() : programm.parent_path();
    int grund = ENOENT;
    std::cout.flush();
    for (const fs::path& pfad : {ordner / Name, ordner / VEKTRA_CAIRO_ORDNER / Name}) {
        ::execv(pfad.c_str(), argv);
        // A program that is there but does not start is the better reason to report.
        if (errno != ENOENT || grund == ENOENT) grund = errno;
    }
    err << Formatieren(T("v.KonvCairoFehlt"), {std::string(Name), std::string(std::strerror(grund))}) << '\n';
    return KonvertiertNicht;
}

} // namespace vektra
