#pragma once
// File-name helpers shared by the file kinds.
#include <string>
#include <string_view>

namespace vektra {

// `name` with its extension replaced by `neu` (".vks", ".vkx", ...). The extension is the text
// from the last "." that follows the last "/", "\\" or drive colon; a name without one gets
// `neu` appended.
std::string ErweiterungErsetzen(std::string_view name, std::string_view neu);
// `name` with `neu` appended when it has no extension, otherwise unchanged.
std::string ErweiterungErgaenzen(std::string_view name, std::string_view neu);

} // namespace vektra
