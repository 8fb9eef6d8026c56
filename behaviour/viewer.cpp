#include "viewer.h"

#include <fstream>
#include <functional>

#include "core/codepage.h"
#include "core/file_names.h"
#include "core/picture_facts.h"
#include "core/resource_list.h"
#include "failure_texts.h"
#include "file_filters.h"
#include "folder_chooser.h"
#include "folders.h"
#include "settings_file.h"
#include "shown_controls.h"
#include "translation.h"

namespace skinwright::behaviour {
namespace {

bool FitsPathField(const std::string& path)
{
    return Utf8PrefixLength(path, static_cast<std::size_t>(kPathFieldLimit)) == path.size();
}

// The file a row is exported under (UTF-8), or none when its name could
// leave the folder it is written into.
std::optional<std::string> ExportFileName(const ResourceEntry& row)
{
    if (!IsSafeExportName(row.Name()))
        return std::nullopt;
    return Cp1252ToUtf8(PictureFileName(row.Name()));
}

// What a screen reader says of a previewed picture: its name and, read
// from the GIF's logical screen, its size.
std::string PictureDescription(const ResourceEntry& row, const std::filesystem::path& file)
{
    constexpr std::size_t kLogicalScreenEnd = 13;
    std::string head(kLogicalScreenEnd, '\0');
    std::ifstream picture(file, std::ios::binary);
    picture.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(picture.gcount()));
    const PictureFacts facts = ReadPictureFacts(head);
    const std::string name = Cp1252ToUtf8(row.Name());
    if (!facts.hasScreen)
        return TrFormat("Picture %s", {name});
    return TrFormat("Picture %s, %d by %d pixels", {name, std::to_string(facts.width), std::to_string(facts.height)});
}

// A failed file of "Save All ..." is told at once.
class ExportMessages : public ExportListener {
public:
    ExportMessages(std::function<void(const std::string&)> tell, const std::string& folder,
                   std::vector<std::string>& failedSideFiles)
        : tell_(std::move(tell)), folder_(folder), failedSideFiles_(failedSideFiles)
    {
    }

    void SideFileFailed(const std::filesystem::path& target) override
    {
        tell_(FailedToSave(PathToUtf8(target)));
        failedSideFiles_.push_back(PathToUtf8(target.filename()));
    }
    void NameLeavesFolder(std::string_view name) override
    {
        tell_(FailedToSave(folder_ + Cp1252ToUtf8(PictureFileName(name))));
    }
    void PictureFailed(const std::filesystem::path& target) override { tell_(FailedToSave(PathToUtf8(target))); }

private:
    std::function<void(const std::string&)> tell_;
    const std::string& folder_;
    std::vector<std::string>& failedSideFiles_;
};

// One command at a time: a command asked for while another runs (F1 in a
// dialog the first one opened) does not start. A load, which may warn, runs
// inside the command that set it off, or as a command of its own.
class CommandScope {
public:
    explicit CommandScope(bool& runs) : runs_(runs), started_(!runs) { runs_ = true; }
    ~CommandScope()
    {
        if (started_)
            runs_ = false;
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    bool Started() const { return started_; }

private:
    bool& runs_;
    bool started_;
};

}  // namespace

Viewer::Viewer(ViewerView& view, SystemDialogs& dialogs, const ProgramSetup& setup)
    : WindowBehaviour(view, dialogs, setup.settingsFile, kViewerSection, setup.applicationName)
    , view_(view)
    , setup_(setup)
    , programFolder_(PathToUtf8(setup_.programFolder))
    , privateFolder_(setup_.applicationName)
{
    ReadRemembered(*this, Remembered());
    // A path the field could not hold whole is not opened at all.
    const std::string startPacket = PathToUtf8(setup_.startPacket);
    if (!startPacket.empty() && FitsPathField(startPacket))
        packetPath_ = startPacket;
}

Viewer::~Viewer()
{
    Finish();
}

void Viewer::Start()
{
    if (!packetPath_.empty())
        view_.SetPathText(packetPath_);
}

std::span<const RememberedValue<Viewer>> Viewer::Remembered()
{
    static const RememberedValue<Viewer> values[] = {
        {kPacketPathKey, &Viewer::packetPath_, [] { return std::string(); }},
        {kOutputFolderKey, &Viewer::outputFolder_, [] { return PathToUtf8(DefaultFolder()); }},
    };
    return values;
}

void Viewer::Close()
{
    reader_.Close();
    WriteRemembered(*this, Remembered());
}

// Every keystroke in the path field loads, so a packet that cannot be opened
// is told in the status line, never in a message box. Its rows stay in sight,
// disabled: the packet they came from is closed.
void Viewer::OnPathChanged(const std::string& text)
{
    packetPath_ = text;
    damagedNames_ = 0;
    LoadResult loaded;
    {
        const CommandScope load(commandRuns_);  // the damaged packet's warning is a dialog too
        loaded = reader_.LoadPacket(PathFromUtf8(text), *this);
    }
    if (loaded || text.empty())
        return;
    previewedRow_ = -1;
    view_.ClearPicture();
    view_.SetRowsEnabled(false);
    view_.SetStatus(TrFormat("Cannot open: %s.", {Translated(loaded)}));
}

// Picking or dropping the path the field already holds loads it all the same.
void Viewer::OpenPath(const std::string& path)
{
    if (path == view_.PathText())
        OnPathChanged(path);
    else
        view_.SetPathText(path);
}

void Viewer::OnPickPacket()
{
    const CommandScope command(commandRuns_);
    if (!command.Started())
        return;
    FileRequest request;
    request.owner = Window();
    request.defaultExtension = "ezx";
    request.initialName = "*.ezx";
    request.filter = PacketFilter();
    const std::vector<std::filesystem::path> chosen = Dialogs().AskForFiles(request);
    if (!chosen.empty())
        OpenPath(PathToUtf8(chosen.front()));
    view_.Repaint();
}

bool Viewer::TakesDrop(const std::vector<std::filesystem::path>& files) const
{
    return !commandRuns_ && !files.empty() && FitsPathField(PathToUtf8(files.front())) && StartsLikePacket(files.front());
}

bool Viewer::OnDrop(const std::vector<std::filesystem::path>& files)
{
    if (!TakesDrop(files))
        return false;
    const CommandScope command(commandRuns_);
    OpenPath(PathToUtf8(files.front()));
    return true;
}

bool Viewer::HasRow(int row) const
{
    return reader_.IsLoaded() && row >= 0 && row < reader_.Table().Count();
}

void Viewer::OnListClick()
{
    const CommandScope command(commandRuns_);
    if (command.Started())
        Preview(view_.SelectedRow());
}

// A click previews its row again; a move of the selection previews a row
// only when it is another one.
void Viewer::OnSelectionMoved()
{
    const CommandScope command(commandRuns_);
    const int row = view_.SelectedRow();
    if (command.Started() && row != previewedRow_)
        Preview(row);
}

// A row whose picture cannot be extracted leaves the area empty, never
// showing another row's picture.
void Viewer::Preview(int row)
{
    if (!HasRow(row))
        return;
    const std::optional<std::filesystem::path> folder = privateFolder_.Path();
    if (!folder)
        return;
    // Named after the row's "Resource ID" column.
    const ResourceEntry& entry = reader_.Table().rows[static_cast<std::size_t>(row)];
    const std::filesystem::path temporary = *folder / (FormatHex32(static_cast<std::uint32_t>(entry.id)) + ".gif");
    previewedRow_ = row;
    if (!reader_.ExtractResource(row, temporary)) {
        view_.ClearPicture();
        return;
    }
    view_.ShowPicture(temporary, PictureDescription(entry, temporary));
    std::error_code error;
    std::filesystem::remove(temporary, error);
}

// Where saving starts: the program folder of a portable program. An
// installed program's folder cannot be written; it starts in the folder
// "Save All ..." remembers when that can be written, else in the default
// folder (the home folder, or on Windows the Documents folder where the
// user cannot write "C:\").
std::string Viewer::SavingFolder() const
{
    if (setup_.portable)
        return programFolder_;
    if (outputFolder_.empty())
        return PathToUtf8(DefaultFolder());
    return PathToUtf8(WritableOr(PathFromUtf8(outputFolder_), DefaultFolder()));
}

void Viewer::OnSaveAs()
{
    const CommandScope command(commandRuns_);
    if (!command.Started())
        return;
    const int row = view_.SelectedRow();
    if (!HasRow(row))
        return;

    FileRequest request;
    request.owner = Window();
    request.save = true;
    request.defaultExtension = "gif";
    const std::optional<std::string> fileName = ExportFileName(reader_.Table().rows[static_cast<std::size_t>(row)]);
    if (fileName)
        request.initialName = SavingFolder() + *fileName;
    else
        request.initialFolder = PathFromUtf8(SavingFolder());
    request.filter = PictureFilter();
    request.confirmOverwrite = true;
    const std::vector<std::filesystem::path> chosen = Dialogs().AskForFiles(request);
    if (!chosen.empty() && !reader_.ExtractResource(row, chosen.front()))
        Tell(FailedToSave(PathToUtf8(chosen.front())));
    view_.Repaint();
}

void Viewer::OnSaveAll()
{
    const CommandScope command(commandRuns_);
    if (!command.Started())
        return;
    if (!reader_.IsLoaded())
        return;
    // A remembered folder since deleted opens the browser at its nearest
    // parent; one that stands but cannot be written is not proposed.
    std::string start = outputFolder_.empty() ? SavingFolder() : outputFolder_;
    std::error_code error;
    if (std::filesystem::is_directory(PathFromUtf8(start), error) && !CanWriteInto(PathFromUtf8(start)))
        start = PathToUtf8(DefaultFolder());
    FolderChooser chooser(PathFromUtf8(start), Window(), Dialogs());
    if (chooser.Show() != FolderChooser::Ok)
        return;
    const std::filesystem::path chosen = chooser.GetPath();
    if (IsNetworkPath(chosen))
        return;
    const std::string folder = EnsureTrailingSeparator(PathToUtf8(chosen));
    outputFolder_ = folder;

    // Each failure is told before the next file is written.
    std::vector<std::string> failedSideFiles;
    ExportMessages messages([this](const std::string& text) { Tell(text); }, folder, failedSideFiles);
    const ExportCounts counts = ExportPacket(reader_, PathFromUtf8(folder), messages);

    // The count tells of pictures only; failed side files, each named in its
    // own message already, must not end in a count of none that reads as success.
    if (counts.failures > 0) {
        Tell(FailedOfTotal(counts.failures, counts.rows));
    } else if (!failedSideFiles.empty()) {
        std::string sides = failedSideFiles.front();
        for (std::size_t i = 1; i < failedSideFiles.size(); ++i)
            sides = TrFormat("%s and %s", {sides, failedSideFiles[i]});
        Tell(TrFormat("Every picture was exported, but %s could not be saved.", {sides}));
    } else {
        Tell(Tr("Successfully exported!"));
    }
}

// Dragged pictures stay until the Viewer goes, for a drop target that copies
// them late. They have a folder of their own, apart from the preview's files.
std::optional<std::filesystem::path> Viewer::ExportForDrag()
{
    const int row = view_.SelectedRow();
    if (!HasRow(row))
        return std::nullopt;
    const std::optional<std::string> fileName = ExportFileName(reader_.Table().rows[static_cast<std::size_t>(row)]);
    const std::optional<std::filesystem::path> folder = privateFolder_.Path();
    if (!fileName || !folder)
        return std::nullopt;
    const std::filesystem::path dragged = *folder / "dragged";
    std::error_code error;
    std::filesystem::create_directories(dragged, error);
    const std::filesystem::path target = dragged / PathFromUtf8(*fileName);
    if (error || !reader_.ExtractResource(row, target))
        return std::nullopt;
    return target;
}

void Viewer::OnHelp()
{
    const CommandScope command(commandRuns_);
    if (!command.Started())
        return;
    view_.ShowAbout();
}

// A fresh Builder for each click, offered the loaded packet's rows as its
// template. Nothing of the Builder comes back into the Viewer.
void Viewer::OnBuildNewPacket()
{
    const CommandScope command(commandRuns_);
    if (!command.Started())
        return;
    const bool useTemplate = reader_.IsLoaded()
        && Tell(Tr("Use the opened resource packet as template?"), MessageButtons::YesNo) == MessageAnswer::Yes;
    view_.RunBuilder(useTemplate ? &reader_.Table() : nullptr);
}

void Viewer::FoundDamagedNames(int count)
{
    damagedNames_ = count;
    Tell(Tr("Warning!") + "\r\n\r\n" + Tr("This resource packet may be damaged, continue to use may cause error!"));
}

// Another packet opens: the last one's picture goes with its rows.
void Viewer::ClearList()
{
    previewedRow_ = -1;
    view_.ClearPicture();
    view_.BeginRows();
}

void Viewer::AddListRow(int, const ResourceEntry& row)
{
    view_.AddRow(row);
}

void Viewer::Loaded(int rowCount)
{
    view_.EndRows();
    view_.SetRowsEnabled(true);
    if (damagedNames_ > 0)
        view_.SetStatus(TrFormat("Loaded %d resources, %d with damaged names.",
                                 {std::to_string(rowCount), std::to_string(damagedNames_)}));
    else
        view_.SetStatus(TrFormat("Loaded %d valid resource(single click preview).", {std::to_string(rowCount)}));
}

}  // namespace skinwright::behaviour
