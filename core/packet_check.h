// A strict check of a packet against everything the writer guarantees,
// beyond what the reader tolerates. Pure: no files, no output, any bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skinwright {

// At most this many findings are listed; one more line counts the rest.
inline constexpr std::size_t kMaxListedFindings = 50;

// One line of text per finding, in the order of the packet's bytes; empty
// when the packet is exactly as the writer lays one out.
std::vector<std::string> CheckPacketLayout(std::string_view bytes);

}  // namespace skinwright
