#pragma once
// Element records as the drawing file and the macro file store them: 12 bytes every record
// starts with (kind, three flags, colour, draw-order class), then the fields of the kind,
// little-endian and without gaps. Also the byte reader and writer both files are built on.
#include "model/Element.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <istream>
#include <string>
#include <vector>

namespace vektra::satz {

// Record lengths: the part every record starts with, lines and arrowhead strokes, circles, and
// a text without its characters.
constexpr std::size_t KopfTeil = 12;
constexpr std::size_t StrichSatz = 46;
constexpr std::size_t KreisSatz = 39;
constexpr std::size_t TextSatz = 34;

// Little-endian values from a byte buffer.
std::int16_t I16(const std::uint8_t* p);
std::int32_t I32(const std::uint8_t* p);
double F64(const std::uint8_t* p);

// Reads exact byte counts and remembers the offset, so a short file names where it ended. The
// stream is read in blocks, so it may be consumed past the last byte taken.
class Leser {
  public:
    explicit Leser(std::istream& ein);

    // False with the message in `fehler` (German, UTF-8) when fewer than n bytes came.
    bool Holen(std::uint8_t* ziel, std::size_t n, std::string& fehler) {
        if (n > Vorrat()) return HolenUeberBlockgrenze(ziel, n, fehler);
        std::memcpy(ziel, lesen_, n);
        lesen_ += n;
        return true;
    }
    // Reads and drops n bytes.
    bool Ueberspringen(std::size_t n, std::string& fehler);
    // True when nothing follows what has been read.
    bool AmEnde();
    // Bytes taken so far.
    std::size_t Position() const { return geholt_ - Vorrat(); }

  private:
    std::size_t Vorrat() const { return static_cast<std::size_t>(ende_ - lesen_); }
    bool HolenUeberBlockgrenze(std::uint8_t* ziel, std::size_t n, std::string& fehler);
    // Reads the next block; false when the stream gave nothing more.
    bool Nachfuellen();
    // The message for a read that ended early, at the position reached.
    bool Fehlt(std::string& fehler);

    std::istream& ein_;
    std::vector<std::uint8_t> block_;
    const std::uint8_t* lesen_ = nullptr;
    const std::uint8_t* ende_ = nullptr;
    // Bytes the stream has given so far.
    std::size_t geholt_ = 0;
};

// Collects the bytes of a file, so it goes out in one write.
class Schreiber {
  public:
    void Byte(std::uint8_t b) { puffer_.push_back(static_cast<char>(b)); }
    void I16(std::int16_t w) { Bytes(static_cast<std::uint16_t>(w), 2); }
    void I32(std::int32_t w) { Bytes(static_cast<std::uint32_t>(w), 4); }
    void F64(double w);
    void Roh(const void* p, std::size_t n) { puffer_.append(static_cast<const char*>(p), n); }
    const std::string& Inhalt() const { return puffer_; }
    void Reservieren(std::size_t n) { puffer_.reserve(n); }

  private:
    void Bytes(std::uint64_t w, int n) {
        for (int i = 0; i < n; ++i)
            Byte(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    std::string puffer_;
};

// Field readers over a record image `p` (offsets from the record start).
void GemeinsamesLesen(const std::uint8_t* p, TElement& e);
void StrichLesen(const std::uint8_t* p, TElement& e);
void KreisLesen(const std::uint8_t* p, TElement& e);

// False with the message when a coordinate or the diameter of `e` is no finite number or lies
// beyond Lagegrenze; `nummer` (from 1) names the element.
bool LagenPruefen(const TElement& e, int nummer, std::string& fehler);
// The same for a macro's reference point.
bool BezugPruefen(double x, double y, std::string& fehler);

// Reads one record; `nummer` (from 1) names the element in a message. A kind other than the
// four known ones is the 12 common bytes alone. A text keeps its first 255 characters. Any
// colour, draw-order class and width class is taken; a place or diameter that LagenPruefen
// refuses fails the read.
bool ElementLesen(Leser& l, TElement& e, int nummer, std::string& fehler);
void ElementSchreiben(Schreiber& s, const TElement& e);

} // namespace vektra::satz
