// Text from packets and file names, made fit to print on a terminal.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace skinwright::cli {

// UTF-8 text with every control character written out: C0 controls and DEL
// as \xNN, C1 controls as \u00NN, and each byte of a file name that is no
// UTF-8 as \xNN. A packet comes from strangers, and a name holding an escape
// sequence must not reach the terminal as one.
std::string TerminalSafe(std::string_view utf8);

// A name or comment as stored in a packet (Windows-1252), for printing.
std::string DisplayName(std::string_view cp1252);

std::string DisplayPath(const std::filesystem::path& path);

}  // namespace skinwright::cli
