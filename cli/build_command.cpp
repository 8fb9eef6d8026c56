// build WORK_FOLDER -o PACKET: a new packet from the pictures of a work
// folder, as "Generate Packet ..." in the Builder.
#include <array>
#include <memory>
#include <system_error>

#include "commands.h"
#include "command_line.h"
#include "core/packet_writer.h"
#include "packet_comment.h"
#include "resource_order.h"
#include "terminal_text.h"
#include "text_file.h"

namespace skinwright::cli {
namespace {

constexpr std::array<OptionSpec, 6> kOptions{{
    {"output", 'o', true},
    {"force", 'f', false},
    {"order", '\0', true},
    {"comment", '\0', true},
    {"comment-file", '\0', true},
    {"comment-from", '\0', true},
}};

// Order files of 2048 rows stay far below this; so do comments.
constexpr std::int64_t kMaxListFileSize = 4 << 20;
constexpr std::int64_t kMaxCommentFileSize = 1 << 20;

// True when anything stands at the path, a dangling link included.
bool PathIsTaken(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

int CountGiven(const CommandLine& line, std::initializer_list<std::string_view> options)
{
    int given = 0;
    for (std::string_view option : options)
        given += line.Has(option) ? 1 : 0;
    return given;
}

OrderResult FillResourceList(const CommandLine& line, const std::filesystem::path& workFolder, ResourceTable& table)
{
    if (!line.Has("order"))
        return AddFolderPictures(table, workFolder);
    const std::filesystem::path listFile = line.PathValue("order");
    const FileText text = ReadWholeFile(listFile, kMaxListFileSize);
    if (!text)
        return Failure(DisplayPath(listFile) + ": " + text.what);
    const OrderResult added = AddOrderFile(table, text.bytes);
    if (!added)
        return Failure(DisplayPath(listFile) + ": " + added.what);
    return added;
}

CommentResult TakeComment(const CommandLine& line)
{
    if (line.Has("comment"))
        return CommentFromUtf8(line.Value("comment"));
    if (line.Has("comment-from")) {
        const std::filesystem::path source = line.PathValue("comment-from");
        CommentResult taken = CommentOfPacketFile(source);
        if (!taken)
            taken.what = DisplayPath(source) + ": " + taken.what;
        return taken;
    }
    if (line.Has("comment-file")) {
        const std::filesystem::path source = line.PathValue("comment-file");
        const FileText text = ReadWholeFile(source, kMaxCommentFileSize);
        CommentResult taken = text ? CommentFromBytes(text.bytes) : CommentResult{Failure(text.what), {}};
        if (!taken)
            taken.what = DisplayPath(source) + ": " + taken.what;
        return taken;
    }
    return {};
}

}  // namespace

int RunBuild(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, kOptions);
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 1 || line.operands[0].empty())
        return UsageError(err, "build takes one work folder");
    if (line.Value("output").empty())
        return UsageError(err, "build needs the packet to write: -o PACKET");
    if (CountGiven(line, {"comment", "comment-file", "comment-from"}) > 1)
        return UsageError(err, "give one of --comment, --comment-file and --comment-from");
    const std::filesystem::path workFolder = line.PathOperand(0);
    const std::filesystem::path packetPath = line.PathValue("output");

    std::error_code error;
    if (!std::filesystem::is_directory(workFolder, error)) {
        err << "skinpack: " << DisplayPath(workFolder) << " is not a folder\n";
        return kExitFailure;
    }
    if (!line.Has("force") && PathIsTaken(packetPath)) {
        err << "skinpack: " << DisplayPath(packetPath) << " already exists; give -f to replace it\n";
        return kExitFailure;
    }
    const CommentResult comment = TakeComment(line);
    if (!static_cast<bool>(comment)) {
        err << "skinpack: " << comment.what << '\n';
        return kExitFailure;
    }
    const auto table = std::make_unique<ResourceTable>();
    if (const OrderResult filled = FillResourceList(line, workFolder, *table); !filled) {
        err << "skinpack: " << filled.what << '\n';
        return kExitFailure;
    }

    const WriteResult written = GeneratePacketFile(*table, comment.comment, workFolder, packetPath);
    if (!written) {
        err << TerminalSafe(written.what) << '\n';
        return kExitFailure;
    }
    out << "Successfully built " << DisplayPath(packetPath) << "!\n";
    return kExitSuccess;
}

}  // namespace skinwright::cli
