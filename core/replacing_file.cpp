#include "replacing_file.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace skinwright {
namespace {

enum class TargetState { Missing, RegularFile, Refused };

TargetState StateOf(const std::filesystem::path& target, std::filesystem::file_status& status)
{
    std::error_code error;
    status = std::filesystem::status(target, error);
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

// One step that leaves either the old file or the new one at the target. On
// Windows a target that another program holds open without letting it be
// replaced stays as it is, and the move fails.
bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& target)
{
#ifdef _WIN32
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    return !error;
#endif
}

// The temporaries being written, where a signal handler can find them: a
// few fixed slots, each holding a path only while it is marked taken. A
// temporary that finds no free slot is still removed on any ordinary end.
class Temporaries {
public:
    static Temporaries& Instance()
    {
        static Temporaries temporaries;
        return temporaries;
    }

    // The slot that now holds the path, or -1.
    int Hold(const std::filesystem::path& path)
    {
        const auto& native = path.native();
        if (native.size() >= kPathLength)
            return -1;
        for (int i = 0; i < kSlots; ++i) {
            Slot& slot = slots_[static_cast<std::size_t>(i)];
            bool expected = false;
            if (!slot.claimed.compare_exchange_strong(expected, true))
                continue;
            std::copy(native.begin(), native.end(), slot.path.begin());
            slot.path[native.size()] = 0;
            slot.held.store(true);
            return i;
        }
        return -1;
    }

    void Release(int index)
    {
        if (index < 0)
            return;
        Slot& slot = slots_[static_cast<std::size_t>(index)];
        slot.held.store(false);
        slot.claimed.store(false);
    }

    void RemoveAll()
    {
        for (Slot& slot : slots_)
            if (slot.held.exchange(false)) {
#ifdef _WIN32
                DeleteFileW(slot.path.data());
#else
                ::unlink(slot.path.data());
#endif
            }
    }

private:
    static constexpr int kSlots = 8;
    static constexpr std::size_t kPathLength = 4096;
    struct Slot {
        std::atomic<bool> claimed{false};
        std::atomic<bool> held{false};
        std::array<std::filesystem::path::value_type, kPathLength> path{};
    };
    std::array<Slot, kSlots> slots_;
};

}  // namespace

void RemoveTemporariesNow()
{
    Temporaries::Instance().RemoveAll();
}

ReplacingFile ReplacingFile::Create(const std::filesystem::path& target)
{
    std::filesystem::file_status status;
    const TargetState state = StateOf(target, status);
    if (state == TargetState::Refused)
        return {};
    ReplacingFile file;
    // Beside the target, so that the rename stays on one file system.
    file.out_ = BinaryFile::CreateTemporaryIn(target.parent_path(), file.temporary_);
    if (!file.out_)
        return {};
    file.slot_ = Temporaries::Instance().Hold(file.temporary_);
    file.target_ = target;
    if (state == TargetState::RegularFile)
        TakeOverOwnerAndMode(target, file.temporary_, status);
    return file;
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::exchange(other.temporary_, {})),
      slot_(std::exchange(other.slot_, -1)), out_(std::move(other.out_))
{
}

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept
{
    if (this != &other) {
        Discard();
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
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
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
    if (!closed) {
        Discard();
        return false;
    }
    if (!MoveOver(temporary_, target_)) {
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
