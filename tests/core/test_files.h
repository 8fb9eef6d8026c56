// What the core tests share: the folders, files, pictures and hand-made
// packets of the test-support library, and a load target that records what
// a load shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/packet.h"
#include "tests/support/files.h"
#include "tests/support/packet_bytes.h"
#include "tests/support/pictures.h"

namespace skinwright::test {

// Records what a load shows.
struct RecordingTarget : LoadTarget {
    std::vector<std::string> events;
    std::vector<std::vector<std::string>> rows;
    int loadedRows = -1;  // none until a load runs to its end
    int warnings = 0;

    void FoundDamagedNames(int count) override;
    int damagedNames = 0;  // as the warning counted them
    void ClearList() override;
    void AddListRow(int index, const ResourceEntry& row) override;
    void Loaded(int rowCount) override;
};

}  // namespace skinwright::test
