#pragma once
// Conversion between the cp1252 bytes kept in drawings and files and the UTF-8 shown to people.
#include <string>
#include <string_view>

namespace vektra {

std::string Cp1252NachUtf8(std::string_view bytes);
// Characters cp1252 cannot hold become '?'; malformed UTF-8 bytes are taken as Latin-1.
std::string Utf8NachCp1252(std::string_view utf8);
// The characters of a UTF-8 text that cp1252 cannot hold, each once, in order (UTF-8); empty
// when the whole text can be stored.
std::string NichtInCp1252(std::string_view utf8);
// True when `bytes` is well-formed UTF-8: shortest forms only, no surrogates, nothing beyond
// U+10FFFF.
bool IstUtf8(std::string_view bytes);

} // namespace vektra
