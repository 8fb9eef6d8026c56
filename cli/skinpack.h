// skinpack: the command-line tool for iconres.ezx packets.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skinwright::cli {

// Runs one command line, given without the program's name; returns the exit status.
int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skinwright::cli
