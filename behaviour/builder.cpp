#include "builder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/codepage.h"
#include "core/comment_text.h"
#include "core/file_names.h"
#include "core/packet_writer.h"
#include "core/resource_list.h"
#include "file_filters.h"
#include "folder_chooser.h"
#include "folders.h"
#include "picture_picker.h"
#include "settings_file.h"
#include "shown_controls.h"
#include "translation.h"

namespace skinwright::behaviour {
namespace {

// Why a picked or dropped file did not become a resource, in a user's words.
std::string_view RefusalReason(AddStatus status)
{
    switch (status) {
    case AddStatus::NameTooLong:
        return N_("the name would be longer than a resource name can be (127 bytes)");
    case AddStatus::NameHasBadByte:
        return N_("the name holds a line break");
    case AddStatus::NameHasSeparator:
        return N_("the name holds a backslash, which Windows takes for a folder separator");
    case AddStatus::NotUtf8:
        return N_("the name is not valid UTF-8, the encoding of file names here");
    case AddStatus::NotRepresentable:
        return N_("the name holds a character that Windows-1252 cannot store");
    case AddStatus::Added:
    case AddStatus::TableFull:
        break;
    }
    return {};
}

bool IsInFolder(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::equivalent(file.parent_path(), folder, error);
}

bool SameBytes(const std::filesystem::path& one, const std::filesystem::path& other)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(other, error))
        return false;
    const std::uintmax_t size = std::filesystem::file_size(one, error);
    if (error || std::filesystem::file_size(other, error) != size || error)
        return false;
    std::ifstream first(one, std::ios::binary);
    std::ifstream second(other, std::ios::binary);
    return first && second
           && std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                         std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

}  // namespace

Builder::Builder(BuilderView& view, SystemDialogs& dialogs, const ProgramSetup& setup)
    : WindowBehaviour(view, dialogs, setup.settingsFile, kBuilderSection, setup.applicationName)
    , view_(view)
    , table_(std::make_unique<ResourceTable>())
{
    ReadRemembered(*this, Remembered());
}

Builder::~Builder()
{
    Finish();
}

std::span<const RememberedValue<Builder>> Builder::Remembered()
{
    static const RememberedValue<Builder> values[] = {
        {kWorkFolderKey, &Builder::workFolder_, [] { return PathToUtf8(DefaultFolder()); }},
        {kCommentsKey, &Builder::comments_, [] { return std::string(); }, EncodeComments, DecodeComments},
        {kPacketFolderKey, &Builder::packetFolder_, [] { return std::string(); }},
    };
    return values;
}

void Builder::Close()
{
    WriteRemembered(*this, Remembered());
}

void Builder::Start()
{
    view_.SetWorkFolderText(workFolder_);
    view_.SetCommentsText(comments_);
    RefreshList();
}

void Builder::TakeBeforeClosingWithEnter()
{
    TakeBoxTexts();
}

void Builder::RefreshList()
{
    LayoutNameOffsets(*table_);
    view_.ShowRows(*table_);
    view_.SetCountText(TrFormat("New packet has %d valid resources.", {std::to_string(table_->Count())}));
    view_.Repaint();
}

void Builder::TakeBoxTexts()
{
    workFolder_ = view_.WorkFolderText();
    comments_ = view_.CommentsText();
}

void Builder::OnCommentsChanged(const std::string& text)
{
    comments_ = text;
}

void Builder::OnChooseWorkFolder()
{
    TakeBoxTexts();
    FolderChooser chooser(PathFromUtf8(workFolder_), Window(), Dialogs());
    if (chooser.Show() != FolderChooser::Ok)
        return;
    const std::filesystem::path chosen = chooser.GetPath();
    const std::string folder = EnsureTrailingSeparator(PathToUtf8(chosen));
    if (IsNetworkPath(chosen) || Utf8PrefixLength(folder, static_cast<std::size_t>(kWorkFolderLimit)) < folder.size())
        return;
    workFolder_ = folder;
    view_.SetWorkFolderText(folder);
}

// What is in the work folder box is what the user sees, and what the
// picker starts in.
void Builder::OnAddResource()
{
    if (table_->Count() >= kTableCapacity)
        return;
    TakeBoxTexts();
    const std::vector<std::filesystem::path> chosen = PicturePicker(PathFromUtf8(workFolder_), Window(), Dialogs()).Show();
    if (!chosen.empty())
        AddPictures(chosen);
}

// A folder, which only a drop can bring, is no picture, and neither is a
// file that no longer exists; they are named with the refusals, each with
// its reason. Only names are recorded: the pictures are read from the work
// folder when the packet is generated, so a picture from elsewhere is
// refused too, unless the work folder holds the same picture under its name.
void Builder::AddPictures(const std::vector<std::filesystem::path>& files)
{
    TakeBoxTexts();  // a drop, too, goes by the work folder on screen
    std::vector<std::string> refused;
    int overCapacity = 0;
    const std::filesystem::path workFolder = PathFromUtf8(workFolder_);
    for (const std::filesystem::path& file : files) {
        std::error_code error;
        std::string_view reason;
        if (std::filesystem::is_directory(file, error)) {
            reason = N_("it is a folder");
        } else if (!std::filesystem::exists(file, error)) {
            reason = N_("it does not exist");
        } else if (!IsInFolder(file, workFolder) && !SameBytes(file, workFolder / file.filename())) {
            reason = N_("it is not in the work folder, from which every picture is read");
        } else {
            const AddResult added = AddFromPath(*table_, PathToUtf8(file));
            if (added.code == AddStatus::TableFull)
                ++overCapacity;
            else if (!added)
                reason = RefusalReason(added.code);
        }
        if (!reason.empty())
            refused.push_back(TrFormat("%s: %s", {PathToUtf8(file.filename()), Tr(reason)}));
    }
    RefreshList();

    if (!refused.empty()) {
        std::string text = Tr("These files cannot become resources and were not added:");
        for (const std::string& line : refused)
            text += "\n" + line;
        Tell(text);
    }
    if (overCapacity > 0)
        Tell(TrFormat("%d files were not added: a resource packet holds at most 2048 resources.",
                      {std::to_string(overCapacity)}));
}

void Builder::OnRemove()
{
    const int selected = view_.SelectedRow();
    if (selected < 0)
        return;
    RemoveAt(*table_, selected);
    RefreshList();
}

void Builder::OnRemoveAll()
{
    if (Tell(Tr("Sure to delete all resources?"), MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    Clear(*table_);
    RefreshList();
}

// Asks where to save, then has the core lay out, measure and write the
// packet from the resource list, the comments and the pictures of the work
// folder.
void Builder::GeneratePacket()
{
    TakeBoxTexts();
    const CommentResult comment = CommentFromUtf8(comments_);
    if (!comment) {
        Tell(Tr("Comments hold characters that cannot be stored in a resource packet, cannot continue!"));
        return;
    }
    FileRequest request;
    request.owner = Window();
    request.save = true;
    request.defaultExtension = "ezx";
    request.initialName = packetFolder_ + "iconres.ezx";
    request.filter = PacketFilter();
    request.confirmOverwrite = true;
    const std::vector<std::filesystem::path> chosen = Dialogs().AskForFiles(request);
    if (chosen.empty())
        return;
    const std::string packetPath = PathToUtf8(chosen.front());
    packetFolder_ = EnsureTrailingSeparator(PathToUtf8(chosen.front().parent_path()));

    Tell(Tr("Before build, please make sure all resource files are locating in work folder."));

    const WriteResult written = GeneratePacketFile(*table_, comment.comment, PathFromUtf8(workFolder_), chosen.front());
    if (!written) {
        Tell(Translated(written));
        return;
    }
    // The list shows the offsets the packet was written with.
    RefreshList();
    Tell(TrFormat("Successfully built %s!", {packetPath}), MessageButtons::Ok, MessageIcon::None);
}

}  // namespace skinwright::behaviour
