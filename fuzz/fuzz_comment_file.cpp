// Feeds arbitrary bytes to the comment options of `skinpack build`: as the
// leading bytes of a packet or "headerfile" (--comment-from) and as a comment
// file (--comment-file). A comment that is taken, written into a packet,
// comes back from it as stored: the same bytes, CRs removed.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "cli/packet_comment.h"
#include "core/binary_file.h"
#include "core/comment_text.h"
#include "core/packet_writer.h"
#include "memory_pictures.h"
#include "require.h"

namespace {

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "a comment", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto table = std::make_unique<skinwright::ResourceTable>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto found = skinwright::cli::CommentInLeadingBytes(bytes))
        Require(found->size() < size, "longer than the bytes it stands in");

    const skinwright::CommentResult taken = skinwright::CommentFromBytes(bytes);
    Require(static_cast<bool>(taken) == (bytes.find('\0') == std::string_view::npos), "refused another text than one with a zero byte");
    if (!taken)
        return 0;
    skinwright::fuzz::MemoryPictures none;
    skinwright::PacketPlan plan;
    std::string packet;
    skinwright::BinaryFile out = skinwright::BinaryFile::InMemory(packet);
    Require(skinwright::PlanPacket(*table, taken.comment, none, plan) && skinwright::WritePacket(*table, plan, none, out),
        "could not be written");
    const auto back = skinwright::cli::CommentInLeadingBytes(packet);
    Require(back && *back == skinwright::StoredComment(taken.comment), "did not come back as stored");
    return 0;
}
