// The About window's usage text: how the Viewer and the Builder are used.
#pragma once

#include <QString>

namespace skinwright::shell {

// Fourteen lines, each ending in CR LF, the last one included.
QString BuildUsageText();

}  // namespace skinwright::shell
