#include "picture_records.h"

#include "byte_order.h"

namespace skinwright {

PictureRecords::PictureRecords(const std::filesystem::path& packet)
    : file_(BinaryFile::OpenForReading(packet)), fileSize_(file_ ? file_.Size() : 0)
{
    // Pictures are read whole, straight into the caller's buffer.
    if (file_)
        file_.DisableBuffering();
}

// The record stands at the data area's offset plus the row's, summed in
// 32 bits as the reader sums them for extraction.
RecordStatus PictureRecords::Read(const ResourceTable& table, int row, std::string& bytes)
{
    bytes.clear();
    const ResourceEntry& entry = table.rows[static_cast<std::size_t>(row)];
    const auto position = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(table.header.dataAreaOffset) + static_cast<std::uint32_t>(entry.dataOffset));
    unsigned char record[kRecordHeaderSize];
    if (position < 0 || position + std::int64_t{kRecordHeaderSize} > fileSize_ || !file_.Seek(position)
        || file_.Read(record, sizeof record) != sizeof record)
        return RecordStatus::PastEnd;
    const std::uint32_t length = ReadLe32(record + 4);
    if (length == 0)
        return RecordStatus::Empty;
    if (position + std::int64_t{kRecordHeaderSize} + length > fileSize_)
        return RecordStatus::PastEnd;
    bytes.resize(length);
    if (file_.Read(bytes.data(), length) != length) {
        bytes.clear();
        return RecordStatus::PastEnd;
    }
    return RecordStatus::Read;
}

}  // namespace skinwright
