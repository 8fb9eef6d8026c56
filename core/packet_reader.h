// Reading an iconres.ezx packet into a ResourceTable, and copying out of it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "binary_file.h"
#include "packet_format.h"

namespace skinwright {

inline constexpr std::string_view kDamagedWarning =
    "Warning!\r\n\r\nThis resource packet may be damaged, continue to use may cause error!";

// What a load shows: the caller's resource list, status line and warning.
// On a failed load none of these is called.
class LoadTarget {
public:
    virtual ~LoadTarget() = default;
    // Shown once, before the list is filled, when a name does not hash to its id.
    virtual void ShowDamagedWarning(std::string_view text) = 0;
    virtual void ClearList() = 0;
    virtual void AddListRow(int index, const ResourceEntry& row) = 0;
    virtual void SetStatus(std::string_view text) = 0;
};

// Why a load stopped, or that it did not.
struct LoadResult {
    bool loaded = false;
    std::string reason;  // empty when loaded, or for an empty path
};

// True for a regular file that begins with the packet signature; what a file
// must be to be taken for a packet before it is loaded.
bool StartsLikePacket(const std::filesystem::path& path);

class PacketReader {
public:
    // An empty path changes nothing: a loaded packet stays loaded.
    LoadResult LoadPacket(const std::filesystem::path& path, LoadTarget& target);

    bool ExtractResource(int row, const std::filesystem::path& output);
    bool WriteHeaderFile(const std::filesystem::path& output);
    bool WriteHashTable(const std::filesystem::path& output);

    bool IsLoaded() const { return loaded_; }
    const ResourceTable& Table() const { return table_; }
    std::int64_t FileSize() const { return fileSize_; }
    void Close();

private:
    LoadResult Parse(LoadTarget& target);
    LoadResult ReadIdTable();
    bool ReadNameList(std::int32_t offset, std::int64_t stretch);
    bool CopyOut(std::int64_t length, const std::filesystem::path& output);
    void SortRowsByIdOffset();

    BinaryFile file_;
    std::int64_t fileSize_ = 0;
    ResourceTable table_;
    std::string nameList_;
    bool loaded_ = false;
};

}  // namespace skinwright
