#include "test_files.h"

#include <gtest/gtest.h>

namespace skinwright::test {

void RecordingTarget::FoundDamagedNames(int count)
{
    events.push_back("warning");
    ++warnings;
    damagedNames = count;
}

void RecordingTarget::ClearList()
{
    events.push_back("clear");
    rows.clear();
}

void RecordingTarget::AddListRow(int index, const ResourceEntry& row)
{
    EXPECT_EQ(index, static_cast<int>(rows.size()));
    events.push_back("row");
    rows.push_back({std::string(row.Name()), FormatHex32(row.id), FormatHex32(static_cast<std::uint32_t>(row.idOffset)),
        FormatHex32(static_cast<std::uint32_t>(row.dataOffset))});
}

void RecordingTarget::Loaded(int rowCount)
{
    events.push_back("loaded");
    loadedRows = rowCount;
}

}  // namespace skinwright::test
