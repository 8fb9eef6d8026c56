// A load target for the fuzz targets: it keeps only whether a load warned.
#pragma once

#include "core/packet_reader.h"

namespace skinwright::fuzz {

class QuietTarget final : public LoadTarget {
public:
    bool warned = false;

    void FoundDamagedNames(int) override { warned = true; }
    void ClearList() override {}
    void AddListRow(int, const ResourceEntry&) override {}
    void Loaded(int) override {}
};

}  // namespace skinwright::fuzz
