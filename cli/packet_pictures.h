// A packet opened for its pictures: the rows as `list` shows them, and each
// row's picture with what it is.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "core/packet_reader.h"
#include "core/picture_facts.h"

namespace skinwright::cli {

struct RowPicture {
    RecordStatus status = RecordStatus::Read;
    std::string bytes;  // empty unless read
    PictureFacts facts;

    bool Read() const { return status == RecordStatus::Read; }
    bool Faulty() const { return !Read() || !facts.WellFormed(); }
};

class PacketPictures {
public:
    // The packet, or null after telling `err` why it cannot be read. A
    // damaged packet opens, and its warning goes to `err`.
    static std::unique_ptr<PacketPictures> Open(const std::filesystem::path& path, std::ostream& err);

    explicit PacketPictures(std::unique_ptr<PacketReader> reader);

    const ResourceTable& Table() const { return reader_->Table(); }
    int Count() const { return Table().Count(); }
    std::int64_t FileSize() const { return reader_->FileSize(); }

    // The row's picture and its facts; `picture`'s memory is reused from row to row.
    void Read(int row, RowPicture& picture);

private:
    std::unique_ptr<PacketReader> reader_;
};

// True for a row whose stored name did not hash to its id, so that the
// reader named it with a placeholder.
bool HasDamagedName(const ResourceEntry& row);

}  // namespace skinwright::cli
