// Reading an iconres.ezx packet into a ResourceTable, and copying out of it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "binary_file.h"
#include "open_folder.h"
#include "outcome.h"
#include "packet_format.h"

namespace skinwright {

// What a load finds, told as it goes, for the caller's list, status line and
// warning to say in their own words. On a failed load none of these is called.
class LoadTarget {
public:
    virtual ~LoadTarget() = default;
    // Once, before the list is filled, when names do not hash to their ids:
    // how many do not.
    virtual void FoundDamagedNames(int count) = 0;
    virtual void ClearList() = 0;
    virtual void AddListRow(int index, const ResourceEntry& row) = 0;
    // The load ran to its end, keeping this many rows.
    virtual void Loaded(int rowCount) = 0;
};

// Why a load stopped, or that it did not. For an empty path, which changes
// nothing, it tells whether a packet stays loaded, with no reason.
using LoadResult = Outcome<Step>;

// True for a regular file that begins with the packet signature; what a file
// must be to be taken for a packet before it is loaded.
bool StartsLikePacket(const std::filesystem::path& path);

enum class RecordStatus {
    Read,
    Empty,    // the record's length is 0
    PastEnd,  // no such row, or its record or picture runs past the end of the file
};

class PacketReader {
public:
    // An empty path changes nothing: a loaded packet stays loaded.
    LoadResult LoadPacket(const std::filesystem::path& path, LoadTarget& target);
    // The same load from a packet already open, a file or bytes in memory.
    LoadResult Load(BinaryFile packet, LoadTarget& target);

    // Each output is written to a file through the replace-a-file step, or
    // into an open file or buffer as it stands.
    bool ExtractResource(int row, const std::filesystem::path& output);
    bool ExtractResource(int row, const OpenFolder& folder, const std::filesystem::path& name);
    bool ExtractResource(int row, BinaryFile& output);
    // The row's picture into `bytes`, whose memory is reused from row to row;
    // `bytes` is empty unless it is read. A length is trusted only as far as
    // the file reaches.
    RecordStatus ReadResource(int row, std::string& bytes);
    bool WriteHeaderFile(const std::filesystem::path& output);
    bool WriteHeaderFile(BinaryFile& output);
    bool WriteHashTable(const std::filesystem::path& output);
    bool WriteHashTable(BinaryFile& output);

    bool IsLoaded() const { return loaded_; }
    const ResourceTable& Table() const { return table_; }
    std::int64_t FileSize() const { return fileSize_; }
    // Closes the packet and gives the memory of its buffers back.
    void Close();

private:
    // Closes the packet and forgets its header values, for another load.
    void Reset();
    LoadResult Parse(LoadTarget& target);
    LoadResult ReadIdTable();
    bool ReadNameList(std::int32_t offset, std::int64_t stretch);
    bool CopyOut(std::int64_t from, std::int64_t length, BinaryFile& output);
    template <class Into>
    bool Extract(int row, Into into);
    std::int32_t RecordPosition(int row) const;
    // Where the row's picture starts in the packet, and its length; reading
    // ahead for CopyOut when asked.
    RecordStatus FindRecord(int row, std::int64_t& dataAt, std::uint32_t& length, bool readAhead);

    BinaryFile file_;
    std::int64_t fileSize_ = 0;
    ResourceTable table_;
    std::string nameList_;
    std::vector<char> copyBuffer_;  // kept from one extraction to the next
    // The bytes from this position stand in copyBuffer_ after a record's
    // header, aheadSize_ of them; -1 when none do.
    std::int64_t aheadAt_ = -1;
    std::size_t aheadSize_ = 0;
    bool loaded_ = false;
};

}  // namespace skinwright
