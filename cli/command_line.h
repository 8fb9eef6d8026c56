// Splitting a command's arguments into operands and options.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skinwright::cli {

struct OptionSpec {
    std::string_view name;   // the long name, without "--"
    char shortName = '\0';   // '\0' when there is none
    bool takesValue = false;
};

struct CommandLine {
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> values;  // options with a value, by long name
    std::set<std::string, std::less<>> flags;                // options without one, by long name
    std::string error;                                       // why the arguments were refused; empty when they were not

    bool Has(std::string_view option) const { return values.contains(option) || flags.contains(option); }
    std::string Value(std::string_view option) const;
    // Operands and values that name files, from their UTF-8 text.
    std::filesystem::path PathOperand(std::size_t index) const;
    std::filesystem::path PathValue(std::string_view option) const;
};

// Accepts "--name value", "--name=value", "-x value" and flags anywhere among
// the operands; "--" ends the options. An option given twice is refused.
// --help (-h) and --version are known to every command.
CommandLine ParseCommandLine(std::span<const std::string> args, std::span<const OptionSpec> known);

}  // namespace skinwright::cli
