// sheet PACKET -o FOLDER [-f]: a contact sheet to open in a browser.
// FOLDER/index.html shows every picture in the packet's order, each written
// beside it as extract names it, under it its name, id and facts, and what
// is wrong with it. The pictures are written first, the page last.
#include <array>
#include <map>
#include <system_error>

#include "commands.h"
#include "contact_sheet.h"
#include "core/codepage.h"
#include "core/file_names.h"
#include "core/packet_format.h"
#include "core/replacing_file.h"
#include "packet_comment.h"
#include "packet_pictures.h"
#include "picture_text.h"
#include "terminal_text.h"

namespace skinwright::cli {
namespace {

constexpr std::array<OptionSpec, 2> kOptions{{{"output", 'o', true}, {"force", 'f', false}}};

constexpr std::string_view kPageName = "index.html";

// File names that differ only in the case of ASCII letters are one file on
// Windows and macOS, so the sheet takes them for one everywhere.
std::string FoldedCase(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::vector<std::string> CommentLines(const std::filesystem::path& packet)
{
    const CommentResult comment = CommentOfPacketFile(packet);
    if (!static_cast<bool>(comment))
        return {"(no comment: " + comment.what + ")"};
    std::vector<std::string> lines;
    std::string_view rest = comment.comment;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        lines.push_back(DisplayName(rest.substr(0, end)));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return lines;
}

// "24x24, 3 frames, loops, 203 bytes"; frames only for a well-formed picture.
std::string CellFacts(const RowPicture& picture)
{
    std::string facts = picture.facts.hasScreen ? SizeText(picture) + ", " : "";
    if (!picture.Faulty())
        facts += Counted(picture.facts.frames, "frame") + (picture.facts.loops ? ", loops, " : ", ");
    return facts + Counted(picture.bytes.size(), "byte");
}

class SheetWriter {
public:
    SheetWriter(const std::filesystem::path& folder, std::ostream& err) : folder_(folder), err_(err) {}

    SheetCell Cell(int row, const ResourceEntry& entry, const RowPicture& picture)
    {
        SheetCell cell;
        cell.name = DisplayName(entry.Name());
        cell.id = FormatHex32(entry.id);
        cell.hasSize = picture.facts.hasScreen;
        cell.width = picture.facts.width;
        cell.height = picture.facts.height;
        cell.facts = CellFacts(picture);
        if (HasDamagedName(entry)) {
            cell.marks.push_back("Damaged name: the stored name does not match its id");
            ++damaged_;
        }
        if (picture.Faulty()) {
            cell.marks.push_back("Faulty picture: " + VerdictText(picture));
            ++faulty_;
        }
        if (picture.Read())
            Save(row, entry.Name(), picture.bytes, cell);
        return cell;
    }

    int Damaged() const { return damaged_; }
    int Faulty() const { return faulty_; }
    int Failures() const { return failures_; }

    bool WritePage(const std::string& page)
    {
        const std::filesystem::path target = folder_ / kPageName;
        if (ReplaceFileContents(target, page, Durability::Flushed))
            return true;
        err_ << DisplayPath(target) << " Failed to save\n";
        return false;
    }

private:
    void Save(int row, std::string_view name, const std::string& bytes, SheetCell& cell)
    {
        if (!IsSafeExportName(name)) {
            cell.marks.push_back("Not saved: its name would leave the folder");
            return;
        }
        const std::string file = Cp1252ToUtf8(PictureFileName(name));
        const auto [taken, added] = rowOfFile_.emplace(FoldedCase(file), row);
        if (!added) {
            cell.marks.push_back("Not saved: row " + std::to_string(taken->second + 1) + " has the same file name");
            return;
        }
        const std::filesystem::path target = folder_ / PathFromUtf8(file);
        if (!ReplaceFileContents(target, bytes, Durability::Flushed)) {
            err_ << DisplayPath(target) << " Failed to save\n";
            cell.marks.push_back("Not saved: the file cannot be written");
            ++failures_;
            return;
        }
        cell.file = file;
    }

    const std::filesystem::path& folder_;
    std::ostream& err_;
    std::map<std::string, int> rowOfFile_;
    int damaged_ = 0;
    int faulty_ = 0;
    int failures_ = 0;
};

// Told to `err` when the folder cannot take the sheet: it is no folder, or
// it holds files and the command line does not say to write over them.
bool FolderTakesSheet(const std::filesystem::path& folder, bool force, std::ostream& err)
{
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status)) {
        err << "skinpack: " << DisplayPath(folder) << " is not a folder\n";
        return false;
    }
    if (std::filesystem::exists(status) && !force && !std::filesystem::is_empty(folder, error)) {
        err << "skinpack: " << DisplayPath(folder) << " is not empty; give -f to write the sheet into it\n";
        return false;
    }
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        err << "skinpack: cannot create the folder " << DisplayPath(folder) << '\n';
        return false;
    }
    return true;
}

}  // namespace

int RunSheet(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = ParseCommandLine(args, kOptions);
    if (const auto answered = AnswerOrRefuse(line, out, err))
        return *answered;
    if (line.operands.size() != 1 || line.operands[0].empty())
        return UsageError(err, "sheet takes one packet");
    if (line.Value("output").empty())
        return UsageError(err, "sheet needs the folder to write: -o FOLDER");
    const std::filesystem::path packet = line.PathOperand(0);
    const std::filesystem::path folder = line.PathValue("output");

    const auto pictures = PacketPictures::Open(packet, err);
    if (!pictures || !FolderTakesSheet(folder, line.Has("force"), err))
        return kExitFailure;

    SheetWriter writer(folder, err);
    std::vector<SheetCell> cells;
    RowPicture picture;
    for (int i = 0; i < pictures->Count(); ++i) {
        pictures->Read(i, picture);
        cells.push_back(writer.Cell(i, pictures->Table().rows[static_cast<std::size_t>(i)], picture));
    }
    SheetHeading heading;
    heading.title = DisplayPath(packet.filename());
    heading.commentLines = CommentLines(packet);
    heading.counts = Counted(static_cast<std::size_t>(pictures->Count()), "resource") + ", "
        + Counted(static_cast<std::size_t>(writer.Faulty()), "faulty picture") + ", "
        + Counted(static_cast<std::size_t>(writer.Damaged()), "damaged name") + "; a packet of "
        + Counted(static_cast<std::size_t>(pictures->FileSize()), "byte");
    if (!writer.WritePage(ContactSheetPage(heading, cells)) || writer.Failures() > 0)
        return kExitFailure;
    out << "Contact sheet written to " << DisplayPath(folder / kPageName) << '\n';
    return kExitSuccess;
}

}  // namespace skinwright::cli
