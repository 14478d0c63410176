#pragma once
// What the user is told when an exception ends a command: the command was given up, and why.
#include <exception>
#include <string>

namespace vektra {

// The message for `ausnahme`: memory that ran out (also a size beyond what a container can
// hold) in the program's words, any other standard exception with its own text.
std::string Abbruchmeldung(std::exception_ptr ausnahme);

} // namespace vektra
