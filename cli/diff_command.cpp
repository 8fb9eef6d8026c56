// diff OLD NEW [--quiet]: what changed from one packet to the other. The
// comment when it changed, the resources only in OLD, only in NEW, and in
// both with other bytes, each with what its picture is; then one line of
// counts. Exit 0 for the same content, 1 for different content, 2 for a
// wrong command line or a packet that cannot be read. --quiet prints
// nothing but why a packet cannot be read, as cmp -s.
#include <array>
#include <sstream>

#include "commands.h"
#include "core/packet_format.h"
#include "packet_comment.h"
#include "packet_pictures.h"
#include "picture_text.h"
#include "row_matching.h"
#include "terminal_text.h"

namespace skinwright::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"quiet", 'q', false}}};

constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

// What opening tells goes to `err`; when quiet, only why it failed.
std::unique_ptr<PacketPictures> OpenQuietly(const std::filesystem::path& path, bool quiet, std::ostream& err)
{
    std::ostringstream told;
    auto pictures = PacketPictures::Open(path, told);
    if (!pictures || !quiet)
        err << told.str();
    return pictures;
}

std::string CommentText(const CommentResult& comment)
{
    return comment ? DisplayName(comment.comment) : "(none: " + comment.what + ")";
}

class PacketDiff {
public:
    PacketDiff(PacketPictures& oldPictures, PacketPictures& newPictures, std::ostream& out)
        : old_(oldPictures), new_(newPictures), out_(out)
    {
    }

    // Prints the rows that differ; true when any does.
    bool PrintRows()
    {
        const RowMatch match = MatchRowsByName(old_.Table(), new_.Table());
        for (const int row : match.onlyOld)
            PrintOnlyIn("only in OLD", old_, row);
        for (const int row : match.onlyNew)
            PrintOnlyIn("only in NEW", new_, row);
        for (const auto& [oldRow, newRow] : match.both)
            CompareBoth(oldRow, newRow);
        out_ << match.onlyOld.size() << " only in OLD, " << match.onlyNew.size() << " only in NEW, " << changed_
             << " changed, " << same_ << " the same";
        return !match.onlyOld.empty() || !match.onlyNew.empty() || changed_ > 0;
    }

private:
    void PrintOnlyIn(std::string_view side, PacketPictures& pictures, int row)
    {
        RowPicture picture;
        pictures.Read(row, picture);
        const ResourceEntry& entry = pictures.Table().rows[static_cast<std::size_t>(row)];
        out_ << side << '\t' << DisplayName(entry.Name()) << '\t' << FormatHex32(entry.id) << '\t'
             << Counted(picture.bytes.size(), "byte") << '\t' << FactsText(picture) << '\n';
    }

    void CompareBoth(int oldRow, int newRow)
    {
        old_.Read(oldRow, oldPicture_);
        new_.Read(newRow, newPicture_);
        if (oldPicture_.status == newPicture_.status && oldPicture_.bytes == newPicture_.bytes) {
            ++same_;
            return;
        }
        ++changed_;
        const ResourceEntry& entry = old_.Table().rows[static_cast<std::size_t>(oldRow)];
        out_ << "changed\t" << DisplayName(entry.Name()) << '\t' << FormatHex32(entry.id) << '\t'
             << oldPicture_.bytes.size() << " -> " << newPicture_.bytes.size() << " bytes\t" << FactsText(oldPicture_)
             << " -> " << FactsText(newPicture_) << '\n';
    }

    PacketPictures& old_;
    PacketPictures& new_;
    std::ostream& out_;
    RowPicture oldPicture_;
    RowPicture newPicture_;
    int changed_ = 0;
    int same_ = 0;
};

}  // namespace

int RunDiff(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, kOptions);
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 2 || line.operands[0].empty() || line.operands[1].empty())
        return UsageError(err, "diff takes two packets");
    const bool quiet = line.Has("quiet");
    const auto oldPictures = OpenQuietly(line.PathOperand(0), quiet, err);
    const auto newPictures = oldPictures ? OpenQuietly(line.PathOperand(1), quiet, err) : nullptr;
    if (!newPictures)
        return kExitTrouble;

    // Nothing written to a stream without a buffer goes anywhere.
    std::ostream nowhere(nullptr);
    std::ostream& shown = quiet ? nowhere : out;
    const CommentResult oldComment = CommentOfPacketFile(line.PathOperand(0));
    const CommentResult newComment = CommentOfPacketFile(line.PathOperand(1));
    const bool commentChanged = static_cast<bool>(oldComment) != static_cast<bool>(newComment)
                                || oldComment.comment != newComment.comment;
    if (commentChanged)
        shown << "comment\t" << CommentText(oldComment) << " -> " << CommentText(newComment) << '\n';
    const bool rowsDiffer = PacketDiff(*oldPictures, *newPictures, shown).PrintRows();
    shown << (commentChanged ? "; the comment changed\n" : "\n");
    return rowsDiffer || commentChanged ? kExitDifferent : kExitSame;
}

}  // namespace skinwright::cli
