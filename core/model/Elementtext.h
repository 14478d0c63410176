#pragma once
// The two texts of an element, kept small: most elements are lines that carry neither, and a
// store of 32000 records is filled and copied as a whole when a drawing is read, written, moved
// or undone. The alignment (at most two letters) lives inside the record; the text takes one
// pointer, and memory of its own only when it is not empty.
//
// Both behave as strings of bytes (cp1252 in the program): any byte, NUL among them, is kept.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace vektra {

// The alignment letters of a text: up to two bytes; a longer value keeps its first two.
class Kurztext {
  public:
    static constexpr std::size_t Platz = 2;

    Kurztext() = default;
    Kurztext(std::string_view t) { assign(t.data(), t.size()); }
    Kurztext(const char* t) : Kurztext(std::string_view(t)) {}
    Kurztext(const std::string& t) : Kurztext(std::string_view(t)) {}

    void assign(const char* d, std::size_t n) {
        n_ = static_cast<std::uint8_t>(std::min(n, Platz));
        std::memcpy(z_, d, n_);
    }
    // Pads with `c` or cuts to `n` bytes (at most two).
    void resize(std::size_t n, char c) {
        n = std::min(n, Platz);
        for (std::size_t i = n_; i < n; ++i)
            z_[i] = c;
        n_ = static_cast<std::uint8_t>(n);
    }

    std::size_t size() const { return n_; }
    bool empty() const { return n_ == 0; }
    const char* data() const { return z_; }
    char operator[](std::size_t i) const { return z_[i]; }
    operator std::string_view() const { return {z_, n_}; }
    std::string str() const { return std::string(z_, n_); }

    friend bool operator==(const Kurztext& a, const Kurztext& b) {
        return std::string_view(a) == std::string_view(b);
    }
    friend bool operator==(const Kurztext& a, std::string_view b) { return std::string_view(a) == b; }
    friend bool operator==(const Kurztext& a, const char* b) { return std::string_view(a) == b; }
    friend bool operator==(const Kurztext& a, const std::string& b) { return std::string_view(a) == b; }
    friend std::ostream& operator<<(std::ostream& o, const Kurztext& t) { return o << std::string_view(t); }

  private:
    char z_[Platz] = {'c', 'c'};
    std::uint8_t n_ = 2;
};

// The text itself: an empty text needs no memory; one that is not is a single block of its
// length and bytes.
class Elementtext {
  public:
    Elementtext() = default;
    Elementtext(std::string_view t) { assign(t.data(), t.size()); }
    Elementtext(const char* t) : Elementtext(std::string_view(t)) {}
    Elementtext(const std::string& t) : Elementtext(std::string_view(t)) {}
    Elementtext(const Elementtext& t) : Elementtext(std::string_view(t)) {}
    Elementtext(Elementtext&&) noexcept = default;
    Elementtext& operator=(const Elementtext& t) {
        if (this != &t) assign(t.data(), t.size());
        return *this;
    }
    Elementtext& operator=(Elementtext&&) noexcept = default;

    void assign(const char* d, std::size_t n) {
        if (n == 0) {
            block_.reset();
            return;
        }
        // A new block is filled before the old one goes, which `d` may point into.
        std::unique_ptr<char[]> neu = std::make_unique_for_overwrite<char[]>(sizeof(std::uint32_t) + n);
        const auto laenge = static_cast<std::uint32_t>(n);
        std::memcpy(neu.get(), &laenge, sizeof laenge);
        std::memcpy(neu.get() + sizeof laenge, d, n);
        block_ = std::move(neu);
    }

    std::size_t size() const {
        if (!block_) return 0;
        std::uint32_t laenge = 0;
        std::memcpy(&laenge, block_.get(), sizeof laenge);
        return laenge;
    }
    bool empty() const { return !block_; }
    const char* data() const { return block_ ? block_.get() + sizeof(std::uint32_t) : ""; }
    char operator[](std::size_t i) const { return data()[i]; }
    operator std::string_view() const { return {data(), size()}; }
    std::string str() const { return std::string(std::string_view(*this)); }
    // The memory the text takes beside its record.
    std::size_t Bytes() const { return block_ ? sizeof(std::uint32_t) + size() : 0; }

    friend bool operator==(const Elementtext& a, const Elementtext& b) {
        return std::string_view(a) == std::string_view(b);
    }
    friend bool operator==(const Elementtext& a, std::string_view b) { return std::string_view(a) == b; }
    friend bool operator==(const Elementtext& a, const char* b) { return std::string_view(a) == b; }
    friend bool operator==(const Elementtext& a, const std::string& b) { return std::string_view(a) == b; }
    friend std::ostream& operator<<(std::ostream& o, const Elementtext& t) {
        return o << std::string_view(t);
    }

  private:
    std::unique_ptr<char[]> block_;
};

} // namespace vektra
