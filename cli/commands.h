// The commands of skinpack. Each takes the arguments after its own name and
// returns the exit status.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <optional>
#include <string_view>

#include "command_line.h"

namespace skinwright::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the command ran and something failed
inline constexpr int kExitUsage = 2;    // the command line was wrong; nothing was done

int RunList(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunExtract(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunBuild(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunHash(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunInfo(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunVerify(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunPictures(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunDiff(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunSheet(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The status of a command line that ends before its command runs: one that
// was refused (told on `err`) or asked for --help or --version (answered on
// `out`); none otherwise.
std::optional<int> AnswerOrRefuse(const CommandLine& line, std::ostream& out, std::ostream& err);

// Tells `err` what was wrong with the command line and returns kExitUsage.
int UsageError(std::ostream& err, std::string_view message);

}  // namespace skinwright::cli
