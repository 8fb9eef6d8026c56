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
    std::string status = "No opened resource packet.";
    int warnings = 0;

    void ShowDamagedWarning(std::string_view text) override;
    void ClearList() override;
    void AddListRow(int index, const ResourceEntry& row) override;
    void SetStatus(std::string_view text) override;
};

}  // namespace skinwright::test
