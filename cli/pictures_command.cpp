// pictures PACKET [--problems]: what each resource's picture is, one line
// each in the order of `list`: name, id, bytes, width x height, frames, and
// "ok" or the first fault.
#include <array>

#include "commands.h"
#include "core/packet_format.h"
#include "packet_pictures.h"
#include "picture_text.h"
#include "terminal_text.h"

namespace skinwright::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"problems", '\0', false}}};

}  // namespace

int RunPictures(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, kOptions);
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 1 || line.operands[0].empty())
        return UsageError(err, "pictures takes one packet");
    const auto pictures = PacketPictures::Open(line.PathOperand(0), err);
    if (!pictures)
        return kExitFailure;

    const bool problemsOnly = line.Has("problems");
    int faulty = 0;
    RowPicture picture;
    for (int i = 0; i < pictures->Count(); ++i) {
        pictures->Read(i, picture);
        faulty += picture.Faulty() ? 1 : 0;
        if (problemsOnly && !picture.Faulty())
            continue;
        const ResourceEntry& row = pictures->Table().rows[static_cast<std::size_t>(i)];
        out << DisplayName(row.Name()) << '\t' << FormatHex32(row.id) << '\t'
            << (picture.Read() ? std::to_string(picture.bytes.size()) : "-") << '\t' << SizeText(picture) << '\t'
            << (picture.Read() ? std::to_string(picture.facts.frames) : "-") << '\t' << VerdictText(picture) << '\n';
    }
    return problemsOnly && faulty > 0 ? kExitFailure : kExitSuccess;
}

}  // namespace skinwright::cli
