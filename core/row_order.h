// The order a packet's rows are listed in: by where their names stand in the
// name list.
#pragma once

#include "packet_format.h"

namespace skinwright {

// Orders the table's rows by idOffset with the exchange sort packets have
// always been listed in (it is not stable: equal offsets 1, 1, 0 of rows A,
// B, C end as C, B, A).
void SortRowsByIdOffset(ResourceTable& table);

}  // namespace skinwright
