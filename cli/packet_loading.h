// Opening the packet a command works on.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>

#include "core/packet_reader.h"

namespace skinwright::cli {

// The packet loaded from the path, which must not be empty, or null after
// telling `err` why it could not be read. A damaged packet loads, and its
// warning goes to `err`.
std::unique_ptr<PacketReader> OpenPacket(const std::filesystem::path& path, std::ostream& err);

}  // namespace skinwright::cli
