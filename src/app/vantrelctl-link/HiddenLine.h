#pragma once
// A line typed on the terminal without being shown, for a password.
#include <string>

namespace vantrelctl {

// Prints prompt on stderr and reads a line from stdin with the terminal's echo
// off. A signal that ends the program meanwhile (Ctrl+C, a hang-up, kill)
// puts the echo back first, so the shell is not left typing blind.
std::string AskHidden(const char* prompt);

}  // namespace vantrelctl
