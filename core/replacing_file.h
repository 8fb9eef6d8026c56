// Every output file is written so that a failure never costs the user a file:
// the bytes go into a temporary file beside the target, which takes the
// target's place by a rename only when it is complete. On any failure the
// temporary file is removed and whatever stood at the target is untouched.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "binary_file.h"
#include "open_folder.h"

namespace skinwright {

enum class Durability {
    Flushed,  // written out to the system when committed
    Synced,   // on the disk before the rename: packets and the settings file
};

class ReplacingFile {
public:
    // Starts the replacement of `target`. Nothing is created when the target
    // is a folder, FIFO, device or other non-regular file, or a file that is
    // write-protected (Windows would not replace it); then the result is not
    // open. A replaced file's mode (and owner, where permitted) is kept.
    static ReplacingFile Create(const std::filesystem::path& target);
    // The same for a file of a folder held open, which must outlive it.
    static ReplacingFile Create(const OpenFolder& folder, const std::filesystem::path& name);

    ReplacingFile() = default;
    ReplacingFile(ReplacingFile&& other) noexcept;
    ReplacingFile& operator=(ReplacingFile&& other) noexcept;
    // Removes the temporary file unless it was committed.
    ~ReplacingFile();

    explicit operator bool() const { return static_cast<bool>(out_); }

    // The temporary file, for writing; its buffer is the caller's to set.
    BinaryFile& Out() { return out_; }

    // Closes the temporary and renames it over the target; false, with the
    // temporary removed, when anything written was lost.
    bool Commit(Durability durability);

private:
    void Discard();
    // The temporary is no longer one for a signal to remove.
    void ReleaseSlot();

    std::unique_ptr<OpenFolder> ownFolder_;  // the target's, when none was given
    const OpenFolder* folder_ = nullptr;
    std::filesystem::path target_;     // the name in the folder
    std::filesystem::path temporary_;  // the name in the folder, while there is one
    int slot_ = -1;                    // where a signal handler finds the temporary
    BinaryFile out_;
};

// Removes every temporary file being written now, leaving each target as it
// was; for a handler of a signal that ends the program. It only unlinks the
// files, as such a handler may.
void RemoveTemporariesNow();

// Replaces the target with exactly these bytes.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes, Durability durability);

}  // namespace skinwright
