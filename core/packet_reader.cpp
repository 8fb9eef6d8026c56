#include "packet_reader.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "byte_order.h"
#include "replacing_file.h"
#include "row_order.h"

namespace skinwright {
namespace {

constexpr std::size_t kCopyChunk = 1 << 20;
constexpr std::size_t kNameListPiece = 1 << 16;

LoadResult Stop(std::string_view reason)
{
    return Told(Step::Failed, reason);
}

// The stretch of the name list from offset to the first CR, LF or the end.
std::string_view NameAt(std::string_view nameList, std::int32_t offset)
{
    if (offset < 0 || static_cast<std::size_t>(offset) >= nameList.size())
        return {};
    std::string_view rest = nameList.substr(static_cast<std::size_t>(offset));
    return rest.substr(0, rest.find_first_of("\r\n"));
}

// Writes the output through the replace-a-file step.
template <class WriteInto>
bool WriteReplacing(ReplacingFile out, WriteInto writeInto)
{
    if (!out)
        return false;
    out.Out().DisableBuffering();  // each output is written in large pieces
    return writeInto(out.Out()) && out.Commit(Durability::Flushed);
}

}  // namespace

bool StartsLikePacket(const std::filesystem::path& path)
{
    BinaryFile file = BinaryFile::OpenForReading(path);
    std::array<char, kPacketSignature.size()> start{};
    return file && file.Read(start.data(), start.size()) == start.size()
           && std::string_view(start.data(), start.size()) == kPacketSignature;
}

void PacketReader::Close()
{
    file_ = BinaryFile();
    std::string().swap(nameList_);  // gives the memory back, not only the length
    std::vector<char>().swap(copyBuffer_);
    aheadAt_ = -1;
    loaded_ = false;
}

// The buffers keep their memory for the next load, which a path typed
// into the Viewer sets off at every keystroke.
void PacketReader::Reset()
{
    file_ = BinaryFile();
    nameList_.clear();
    aheadAt_ = -1;
    loaded_ = false;
    table_.headerOffset = 0;
    table_.header = PacketHeader{};
}

LoadResult PacketReader::LoadPacket(const std::filesystem::path& path, LoadTarget& target)
{
    if (path.empty())
        return {loaded_ ? Step::Done : Step::Failed, {}};
    Reset();

    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return Stop(N_("no such file"));
    if (!std::filesystem::is_regular_file(status))
        return Stop(N_("not a regular file"));
    BinaryFile packet = BinaryFile::OpenForReading(path);
    if (!packet)
        return Stop(N_("cannot open file"));
    return Load(std::move(packet), target);
}

LoadResult PacketReader::Load(BinaryFile packet, LoadTarget& target)
{
    Reset();
    file_ = std::move(packet);
    LoadResult result = Parse(target);
    if (!result)
        Close();
    return result;
}

LoadResult PacketReader::Parse(LoadTarget& target)
{
    fileSize_ = file_.Size();

    // The text header: only the eight digits of the header offset matter.
    unsigned char text[kTextHeaderLength];
    if (file_.Read(text, sizeof text) != sizeof text)
        return Stop(N_("shorter than 24 bytes"));
    table_.headerOffset = static_cast<std::int32_t>(
        HeaderOffsetFromDigits(reinterpret_cast<const char*>(text) + kHeaderOffsetDigitsAt));

    // The packet header.
    if (table_.headerOffset < 0)
        return Stop(N_("header offset negative"));
    unsigned char header[kPacketHeaderSize];
    if (table_.headerOffset + std::int64_t{kPacketHeaderSize} > fileSize_ || !file_.Seek(table_.headerOffset)
        || file_.Read(header, sizeof header) != sizeof header)
        return Stop(N_("header past end of file"));
    table_.header = DecodePacketHeader(header);

    // The ID table follows the packet header directly.
    if (LoadResult idTable = ReadIdTable(); !idTable)
        return idTable;

    // The name list runs from its offset up to the packet header.
    const std::int32_t nameListOffset = table_.header.nameListOffset;
    if (nameListOffset < 0)
        return Stop(N_("name list offset negative"));
    if (table_.headerOffset - nameListOffset <= 0)
        return Stop(N_("empty name list"));
    if (!ReadNameList(nameListOffset, table_.headerOffset - nameListOffset))
        return Stop(N_("name list cut off"));

    int damaged = 0;
    for (int i = 0; i < table_.header.entryCount; ++i) {
        ResourceEntry& row = table_.rows[static_cast<std::size_t>(i)];
        row.SetName(NameAt(nameList_, row.idOffset));
        if (NameHash(row.Name()) != row.id) {
            row.SetName(PlaceholderName(row.id));
            ++damaged;
        }
    }
    if (damaged > 0)
        target.FoundDamagedNames(damaged);

    SortRowsByIdOffset(table_);

    target.ClearList();
    for (int i = 0; i < table_.header.entryCount; ++i)
        target.AddListRow(i, table_.rows[static_cast<std::size_t>(i)]);
    loaded_ = true;
    target.Loaded(table_.header.entryCount);
    return {};
}

// The name-list text ends at its first zero byte, and no name reaches past
// the last row's offset by more than a name's field. It is read in pieces up
// to whichever comes first, so a vast stretch of zeros or padding before the
// packet header costs neither time nor memory.
bool PacketReader::ReadNameList(std::int32_t offset, std::int64_t stretch)
{
    std::int64_t needed = 0;
    for (int i = 0; i < table_.header.entryCount; ++i)
        needed = std::max<std::int64_t>(needed, std::int64_t{table_.rows[static_cast<std::size_t>(i)].idOffset} + std::int64_t{kNameFieldSize});
    std::int64_t left = std::min(stretch, needed);
    if (!file_.Seek(offset))
        return false;
    while (left > 0) {
        const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(left, kNameListPiece));
        const std::size_t at = nameList_.size();
        nameList_.resize(at + piece);
        if (file_.Read(nameList_.data() + at, piece) != piece)
            return false;
        left -= static_cast<std::int64_t>(piece);
        if (const std::size_t zero = nameList_.find('\0', at); zero != std::string::npos) {
            nameList_.resize(zero);
            break;
        }
    }
    return true;
}

// Reads entryCount rows, skipping empty ones; the count becomes the kept count.
LoadResult PacketReader::ReadIdTable()
{
    const std::int32_t stored = table_.header.entryCount;
    const std::int64_t tableStart = std::int64_t{table_.headerOffset} + kPacketHeaderSize;
    if (stored > 0 && tableStart + std::int64_t{kIdRowSize} * stored > fileSize_)
        return Stop(N_("ID table cut off"));
    int kept = 0;
    for (std::int32_t i = 0; i < stored; ++i) {
        unsigned char bytes[kIdRowSize];
        if (file_.Read(bytes, sizeof bytes) != sizeof bytes)
            return Stop(N_("ID table cut off"));
        const IdRow read = DecodeIdRow(bytes);
        if (read.id == kEmptyRowId)
            continue;
        if (kept == kTableCapacity)
            return Stop(N_("more than 2048 resources"));
        ResourceEntry& row = table_.rows[static_cast<std::size_t>(kept++)];
        row.id = read.id;
        row.idOffset = read.idOffset;
        row.dataOffset = read.dataOffset;
    }
    table_.header.entryCount = kept;
    return {};
}

// Copies `length` bytes from a position of the packet into the output,
// starting with what the last record's read brought along.
bool PacketReader::CopyOut(std::int64_t from, std::int64_t length, BinaryFile& output)
{
    std::int64_t done = 0;
    if (from == aheadAt_) {
        done = std::min<std::int64_t>(length, static_cast<std::int64_t>(aheadSize_));
        if (!output.Write(copyBuffer_.data() + kRecordHeaderSize, static_cast<std::size_t>(done)))
            return false;
    }
    aheadAt_ = -1;
    const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(length - done, kCopyChunk));
    if (copyBuffer_.size() < piece)
        copyBuffer_.resize(piece);
    while (done < length) {
        const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(length - done, kCopyChunk));
        if (file_.ReadAt(from + done, copyBuffer_.data(), chunk) != chunk || !output.Write(copyBuffer_.data(), chunk))
            return false;
        done += static_cast<std::int64_t>(chunk);
    }
    return true;
}

// The file position of a row's record: the data area's offset plus the
// row's, summed in 32 bits.
std::int32_t PacketReader::RecordPosition(int row) const
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(table_.header.dataAreaOffset)
        + static_cast<std::uint32_t>(table_.rows[static_cast<std::size_t>(row)].dataOffset));
}

// The record is checked whole before anything is read or created. Reading
// ahead, for a copy: the next record in the file is mostly the next row's,
// and one read brings the record's header and its picture up to there (at
// most a copy chunk of it).
RecordStatus PacketReader::FindRecord(int row, std::int64_t& dataAt, std::uint32_t& length, bool readAhead)
{
    aheadAt_ = -1;
    if (!loaded_ || row < 0 || row >= table_.header.entryCount)
        return RecordStatus::PastEnd;
    const std::int32_t position = RecordPosition(row);
    if (position < 0 || position + std::int64_t{kRecordHeaderSize} > fileSize_)
        return RecordStatus::PastEnd;
    const std::int64_t rest = fileSize_ - position - kRecordHeaderSize;
    const std::int64_t toNext = row + 1 < table_.header.entryCount
        ? std::int64_t{RecordPosition(row + 1)} - position - kRecordHeaderSize
        : rest;
    const auto ahead = readAhead
        ? static_cast<std::size_t>(std::clamp<std::int64_t>(toNext, 0, std::min<std::int64_t>(rest, kCopyChunk)))
        : std::size_t{0};
    if (copyBuffer_.size() < kRecordHeaderSize + ahead)
        copyBuffer_.resize(kRecordHeaderSize + ahead);
    const std::size_t read = file_.ReadAt(position, copyBuffer_.data(), kRecordHeaderSize + ahead);
    if (read < kRecordHeaderSize)
        return RecordStatus::PastEnd;
    length = ReadLe32(reinterpret_cast<const unsigned char*>(copyBuffer_.data()) + 4);
    if (length == 0)
        return RecordStatus::Empty;
    dataAt = position + std::int64_t{kRecordHeaderSize};
    if (dataAt + length > fileSize_)
        return RecordStatus::PastEnd;
    aheadAt_ = dataAt;
    aheadSize_ = read - kRecordHeaderSize;
    return RecordStatus::Read;
}

// The one way out of the packet for a row's picture: its record is found
// first, and only then is the output made, by `into`, which writes through
// the copy it is handed.
template <class Into>
bool PacketReader::Extract(int row, Into into)
{
    std::int64_t dataAt = 0;
    std::uint32_t length = 0;
    if (FindRecord(row, dataAt, length, true) != RecordStatus::Read)
        return false;
    return into([&](BinaryFile& out) { return CopyOut(dataAt, length, out); });
}

bool PacketReader::ExtractResource(int row, const std::filesystem::path& output)
{
    return Extract(row, [&](auto copy) { return WriteReplacing(ReplacingFile::Create(output), copy); });
}

bool PacketReader::ExtractResource(int row, const OpenFolder& folder, const std::filesystem::path& name)
{
    return Extract(row, [&](auto copy) { return WriteReplacing(ReplacingFile::Create(folder, name), copy); });
}

bool PacketReader::ExtractResource(int row, BinaryFile& output)
{
    return Extract(row, [&](auto copy) { return copy(output); });
}

RecordStatus PacketReader::ReadResource(int row, std::string& bytes)
{
    bytes.clear();
    std::int64_t dataAt = 0;
    std::uint32_t length = 0;
    if (const RecordStatus found = FindRecord(row, dataAt, length, false); found != RecordStatus::Read)
        return found;
    bytes.resize(length);
    if (file_.ReadAt(dataAt, bytes.data(), length) != length) {
        bytes.clear();
        return RecordStatus::PastEnd;
    }
    return RecordStatus::Read;
}

bool PacketReader::WriteHeaderFile(const std::filesystem::path& output)
{
    return loaded_ && WriteReplacing(ReplacingFile::Create(output), [this](BinaryFile& out) { return WriteHeaderFile(out); });
}

bool PacketReader::WriteHeaderFile(BinaryFile& output)
{
    if (!loaded_)
        return false;
    const std::int64_t length = std::int64_t{table_.headerOffset} + kPacketHeaderSize;
    return length <= fileSize_ && CopyOut(0, length, output);
}

bool PacketReader::WriteHashTable(const std::filesystem::path& output)
{
    return loaded_ && WriteReplacing(ReplacingFile::Create(output), [this](BinaryFile& out) { return WriteHashTable(out); });
}

bool PacketReader::WriteHashTable(BinaryFile& output)
{
    if (!loaded_)
        return false;
    const std::string text = HashTableText(table_);
    return output.Write(text.data(), text.size());
}

}  // namespace skinwright
