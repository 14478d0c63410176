#include "model/Grossseiten.h"

#include <sys/mman.h>

#include <cstdint>

namespace vektra::grossseiten {

namespace {

constexpr std::size_t Seite = 4096;
constexpr std::size_t Grossseite = std::size_t{2} << 20;

std::size_t AufSeiten(std::size_t bytes) {
    return (bytes + Seite - 1) / Seite * Seite;
}

} // namespace

void* Anfordern(std::size_t bytes) {
    if (bytes < Grossseite) return ::operator new(bytes);
    // Room to move the start to the next 2 MiB boundary; what lies before and after is given back.
    const std::size_t laenge = AufSeiten(bytes);
    void* roh =
        ::mmap(nullptr, laenge + Grossseite, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (roh == MAP_FAILED) throw std::bad_alloc();
    const auto anfang = reinterpret_cast<std::uintptr_t>(roh);
    const std::uintptr_t ausgerichtet = (anfang + Grossseite - 1) / Grossseite * Grossseite;
    if (ausgerichtet > anfang) ::munmap(roh, ausgerichtet - anfang);
    const std::size_t danach = anfang + laenge + Grossseite - (ausgerichtet + laenge);
    if (danach > 0) ::munmap(reinterpret_cast<void*>(ausgerichtet + laenge), danach);
    void* p = reinterpret_cast<void*>(ausgerichtet);
#ifdef MADV_HUGEPAGE
    // Only advice: without huge pages the memory works as any other.
    ::madvise(p, laenge, MADV_HUGEPAGE);
#endif
    return p;
}

void Freigeben(void* p, std::size_t bytes) {
    if (bytes < Grossseite)
        ::operator delete(p);
    else
        ::munmap(p, AufSeiten(bytes));
}

} // namespace vektra::grossseiten
