#pragma once
// The remembered port choice: a one-line file holding the lower-case port name
// in double quotes, e.g. "com3" followed by CR LF, kept in the per-user
// configuration folder.
#include <array>
#include <filesystem>

namespace vantrel::link {

constexpr const char* kPortFileName = "KOV_port.txt";
constexpr int kPortCount = 8;

// Reads the port number (1..8). A missing file is created holding "com1" and
// gives 1; "com1".."com7" give their number; anything else (also "com8", an
// empty or unreadable file, other letter case) gives 8.
int ReadPortFile(const std::filesystem::path& configFolder);

// Writes "comN" quoted plus CR LF, replacing the file. Ports outside 1..8 are
// written as "com8". Returns false when the file cannot be written.
bool WritePortFile(const std::filesystem::path& configFolder, int port);

// The port number of the Comm Port menu: the first checked item among
// Com1..Com7, else 8.
int SelectedPort(const std::array<bool, kPortCount>& checked);

}  // namespace vantrel::link
