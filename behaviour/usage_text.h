// The About window's texts: its usage text, how the Viewer and the Builder
// are used.
#pragma once

#include <string>

namespace skinwright::behaviour {

// Fourteen lines, each ending in CR LF, the last one included.
std::string BuildUsageText();

}  // namespace skinwright::behaviour
