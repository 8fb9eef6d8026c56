#include "replacing_file.h"

#include "temporaries.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace skinwright {
namespace {

enum class TargetState { Missing, RegularFile, Refused };

TargetState StateOf(const std::filesystem::file_status& status)
{
    if (!std::filesystem::exists(status))
        return TargetState::Missing;
    if (!std::filesystem::is_regular_file(status)
        || (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return TargetState::Refused;
    return TargetState::RegularFile;
}

// The temporary takes the replaced file's owner (where we may give it) and
// mode, so that replacing a file never widens or narrows who may read it.
void TakeOverOwnerAndMode(const std::filesystem::path& target, const std::filesystem::path& temporary,
    const std::filesystem::file_status& status)
{
#ifndef _WIN32
    struct stat owner {};
    if (::stat(target.c_str(), &owner) == 0 && ::chown(temporary.c_str(), owner.st_uid, owner.st_gid) != 0) {
        // Another owner is not ours to give; the file stays ours.
    }
#else
    (void)target;
#endif
    std::error_code ignored;
    std::filesystem::permissions(temporary, status.permissions(), ignored);
}

// While a temporary is made and recorded, the signals that end the program
// wait: one that came between the two would leave the file behind.
class EndingSignalsDeferred {
public:
    EndingSignalsDeferred()
    {
#ifndef _WIN32
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&ending, signal);
        pthread_sigmask(SIG_BLOCK, &ending, &previous_);
#endif
    }
    ~EndingSignalsDeferred()
    {
#ifndef _WIN32
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
#endif
    }
    EndingSignalsDeferred(const EndingSignalsDeferred&) = delete;
    EndingSignalsDeferred& operator=(const EndingSignalsDeferred&) = delete;

private:
#ifndef _WIN32
    sigset_t previous_{};
#endif
};

}  // namespace

ReplacingFile ReplacingFile::Create(const std::filesystem::path& target)
{
    // Beside the target, so that the rename stays on one file system.
    auto folder = std::make_unique<OpenFolder>(target.parent_path());
    ReplacingFile file = Create(*folder, target.filename());
    if (file)
        file.ownFolder_ = std::move(folder);
    return file;
}

ReplacingFile ReplacingFile::Create(const OpenFolder& folder, const std::filesystem::path& name)
{
    const std::filesystem::file_status status = folder.Status(name);
    const TargetState state = StateOf(status);
    if (state == TargetState::Refused)
        return {};
    ReplacingFile file;
    std::filesystem::path temporary;
    {
        const EndingSignalsDeferred deferred;
        file.out_ = folder.CreateTemporary(file.temporary_);
        if (!file.out_)
            return {};
        temporary = folder.Path() / file.temporary_;
        file.slot_ = Temporaries::Instance().Hold(temporary);
    }
    file.folder_ = &folder;
    file.target_ = name;
    if (state == TargetState::RegularFile)
        TakeOverOwnerAndMode(folder.Path() / name, temporary, status);
    return file;
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept
    : ownFolder_(std::move(other.ownFolder_)), folder_(std::exchange(other.folder_, nullptr)),
      target_(std::move(other.target_)), temporary_(std::exchange(other.temporary_, {})),
      slot_(std::exchange(other.slot_, -1)), out_(std::move(other.out_))
{
}

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept
{
    if (this != &other) {
        Discard();
        ownFolder_ = std::move(other.ownFolder_);
        folder_ = std::exchange(other.folder_, nullptr);
        target_ = std::move(other.target_);
        temporary_ = std::exchange(other.temporary_, {});
        slot_ = std::exchange(other.slot_, -1);
        out_ = std::move(other.out_);
    }
    return *this;
}

ReplacingFile::~ReplacingFile()
{
    Discard();
}

void ReplacingFile::Discard()
{
    out_ = BinaryFile();
    if (temporary_.empty())
        return;
    folder_->Remove(temporary_);
    temporary_.clear();
    ReleaseSlot();
}

void ReplacingFile::ReleaseSlot()
{
    Temporaries::Instance().Release(std::exchange(slot_, -1));
}

bool ReplacingFile::Commit(Durability durability)
{
    if (!out_)
        return false;
    const bool closed = durability == Durability::Synced ? out_.CloseDurably() : out_.Close();
    out_ = BinaryFile();
    // One step that leaves either the old file or the new one at the target.
    // On Windows a target that another program holds open without letting it
    // be replaced stays as it is, and the move fails.
    if (!closed || !folder_->Rename(temporary_, target_)) {
        Discard();
        return false;
    }
    temporary_.clear();
    ReleaseSlot();
    return true;
}

bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes, Durability durability)
{
    ReplacingFile file = ReplacingFile::Create(target);
    return file && file.Out().Write(bytes.data(), bytes.size()) && file.Commit(durability);
}

}  // namespace skinwright
