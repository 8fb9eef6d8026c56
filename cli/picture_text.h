// How skinpack writes what a picture is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "packet_pictures.h"

namespace skinwright::cli {

// "1 frame", "3 frames".
std::string Counted(std::size_t count, std::string_view noun);

// "24x24", or "-" when the logical screen was not read.
std::string SizeText(const RowPicture& picture);

// "ok", or the first fault of the picture or of its record.
std::string VerdictText(const RowPicture& picture);

// "24x24, 3 frames, loops" for a picture that is well formed; the size, when
// known, and the fault for one that is not.
std::string FactsText(const RowPicture& picture);

}  // namespace skinwright::cli
