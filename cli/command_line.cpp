#include "command_line.h"

#include "core/file_names.h"

#include <algorithm>
#include <array>

namespace skinwright::cli {
namespace {

// Every command answers these.
constexpr std::array<OptionSpec, 2> kCommonOptions{{{"help", 'h', false}, {"version", '\0', false}}};

const OptionSpec* FindLong(std::span<const OptionSpec> known, std::string_view name)
{
    for (const OptionSpec& common : kCommonOptions)
        if (common.name == name)
            return &common;
    const auto it = std::find_if(known.begin(), known.end(), [&](const OptionSpec& o) { return o.name == name; });
    return it == known.end() ? nullptr : &*it;
}

const OptionSpec* FindShort(std::span<const OptionSpec> known, char name)
{
    for (const OptionSpec& common : kCommonOptions)
        if (common.shortName == name)
            return &common;
    const auto it = std::find_if(known.begin(), known.end(), [&](const OptionSpec& o) { return o.shortName == name; });
    return it == known.end() ? nullptr : &*it;
}

}  // namespace

std::string CommandLine::Value(std::string_view option) const
{
    const auto it = values.find(option);
    return it == values.end() ? std::string() : it->second;
}

std::filesystem::path CommandLine::PathOperand(std::size_t index) const
{
    return PathFromUtf8(operands.at(index));
}

std::filesystem::path CommandLine::PathValue(std::string_view option) const
{
    return PathFromUtf8(Value(option));
}

CommandLine ParseCommandLine(std::span<const std::string> args, std::span<const OptionSpec> known)
{
    CommandLine result;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            result.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* option = nullptr;
        std::string inlineValue;
        bool hasInlineValue = false;
        if (arg.starts_with("--")) {
            const std::size_t equals = arg.find('=');
            option = FindLong(known, std::string_view(arg).substr(2, equals == std::string::npos ? std::string::npos : equals - 2));
            if (equals != std::string::npos) {
                inlineValue = arg.substr(equals + 1);
                hasInlineValue = true;
            }
        } else if (arg.size() == 2) {
            option = FindShort(known, arg[1]);
        }
        if (option == nullptr) {
            result.error = "unknown option " + arg;
            return result;
        }
        const std::string name(option->name);
        if (result.Has(name)) {
            result.error = "option --" + name + " given twice";
            return result;
        }
        if (!option->takesValue) {
            if (hasInlineValue) {
                result.error = "option --" + name + " takes no value";
                return result;
            }
            result.flags.insert(name);
        } else if (hasInlineValue) {
            result.values[name] = inlineValue;
        } else if (i + 1 < args.size()) {
            result.values[name] = args[++i];
        } else {
            result.error = "option --" + name + " needs a value";
            return result;
        }
    }
    return result;
}

}  // namespace skinwright::cli
