// The layout of an iconres.ezx packet, front to back:
//
//   text header   "motoskin\n\nv1.00\n%08x\n\nComments:\n\n%s\n\nID table:\n\n"
//   name list     one resource name per line, LF-terminated
//   padding       0 to 3 zero bytes, so the packet header is 4-aligned
//   packet header 20 bytes at headerOffset (five little-endian 32-bit values)
//   ID table      entryCount rows of 12 bytes: id, idOffset, dataOffset
//   data area     one record per row: magic, length L, L bytes of picture
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "name_hash.h"

namespace skinwright {

inline constexpr std::uint32_t kPacketMagic = 0xABCDDCBA;
inline constexpr std::uint32_t kRecordMagic = 0xDCBAABCD;
inline constexpr ResourceId kEmptyRowId = 0xFFFFFFFF;

inline constexpr int kTableCapacity = 2048;
inline constexpr std::size_t kNameFieldSize = 128;
inline constexpr std::size_t kMaxNameLength = kNameFieldSize - 1;

// The fixed text of the text header: the opening before the header offset's
// eight digits, the caption after them and the caption before the name list.
// TextHeader writes the header from them; whatever reads a comment back
// finds it between the two captions.
inline constexpr std::string_view kTextHeaderOpening = "motoskin\n\nv1.00\n";
// The first bytes of every packet, by which a file is known to be one.
inline constexpr std::string_view kPacketSignature = kTextHeaderOpening.substr(0, 8);
inline constexpr std::string_view kCommentsCaption = "\n\nComments:\n\n";
inline constexpr std::string_view kIdTableCaption = "\n\nID table:\n\n";

inline constexpr int kHeaderOffsetDigitsAt = static_cast<int>(kTextHeaderOpening.size());
inline constexpr int kHeaderOffsetDigits = 8;
inline constexpr int kTextHeaderLength = kHeaderOffsetDigitsAt + kHeaderOffsetDigits;  // up to the digits' end
inline constexpr std::size_t kCommentAt = kTextHeaderLength + kCommentsCaption.size();
// The text header without the comment.
inline constexpr int kTextHeaderFixedLength = static_cast<int>(kCommentAt + kIdTableCaption.size());

inline constexpr int kPacketHeaderSize = 20;
inline constexpr int kIdRowSize = 12;
inline constexpr int kRecordHeaderSize = 8;

// No offset or 32-bit sum in a packet may pass this.
inline constexpr std::int64_t kMaxPacketSize = 0x7FFFFFFF;

struct PacketHeader {
    std::uint32_t magic = 0;
    std::int32_t nameListOffset = 0;
    std::int32_t entryCount = 0;
    std::int32_t idTableOffset = 0;
    std::int32_t dataAreaOffset = 0;
};

// One resource row: the 12 bytes of an ID table row and its name.
struct ResourceEntry {
    ResourceId id = 0;
    std::int32_t idOffset = 0;
    std::int32_t dataOffset = 0;
    char name[kNameFieldSize] = {};

    std::string_view Name() const;
    // Stores at most kMaxNameLength bytes, cut at the first zero byte.
    void SetName(std::string_view text);
};

// The rows of one packet: fixed slots, nothing allocated per row.
// The first header.entryCount slots are in use.
struct ResourceTable {
    std::int32_t headerOffset = 0;
    PacketHeader header;
    std::array<ResourceEntry, kTableCapacity> rows{};

    int Count() const { return header.entryCount; }
};

// The 12 bytes of an ID table row, without the name they point at.
struct IdRow {
    ResourceId id = 0;
    std::int32_t idOffset = 0;
    std::int32_t dataOffset = 0;
};

// The packet header's kPacketHeaderSize bytes and an ID row's kIdRowSize
// bytes, as every reader of a packet takes them.
PacketHeader DecodePacketHeader(const unsigned char* bytes);
IdRow DecodeIdRow(const unsigned char* bytes);

// The header offset from its digits at kHeaderOffsetDigitsAt, most
// significant first, summed in unsigned 32-bit arithmetic.
std::uint32_t HeaderOffsetFromDigits(const char* digits);

// "0x%08X", as the lists show ids and offsets.
std::string FormatHex32(std::uint32_t value);

// The name a row gets when its name does not hash to its id.
std::string PlaceholderName(ResourceId id);

// The file a resource's picture is stored under: its name with "if" appended.
std::string PictureFileName(std::string_view name);

// The "hashtable" side file's text: one line "%d %d %d %d %s\n" a row in
// use (id as signed, name offset, data offset, row number from 1, name).
std::string HashTableText(const ResourceTable& table);

// The text header for a header offset and a comment (CRs already removed).
std::string TextHeader(std::int32_t headerOffset, std::string_view comment);

// A packet comes from strangers: a name may be written as a file name only
// when it cannot leave the folder it is written into.
bool IsSafeExportName(std::string_view name);

}  // namespace skinwright
