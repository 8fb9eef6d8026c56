// A load target that shows nothing, so only the reader's own work is measured.
#pragma once

#include "core/packet_reader.h"

namespace skinwright::bench {

class SilentTarget final : public LoadTarget {
public:
    void FoundDamagedNames(int) override {}
    void ClearList() override {}
    void AddListRow(int, const ResourceEntry&) override {}
    void Loaded(int) override {}
};

}  // namespace skinwright::bench
