// A folder held open, for reaching many of its files by name.
#pragma once

#include <filesystem>
#include <unordered_set>

#include "binary_file.h"

namespace skinwright {

// A folder held open where the system can, so that its files are reached by
// their names alone instead of by walking the folder's path again for each.
class OpenFolder {
public:
    enum class Listing { None, Taken };
    // With the folder's listing taken, a name it lacks counts as missing, as
    // it was when listed, without asking the system again; for writing many
    // new files into a folder.
    explicit OpenFolder(std::filesystem::path folder, Listing listing = Listing::None);
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The size of the regular file of that name in the folder (following
    // links), asked once; -1 when there is none.
    std::int64_t RegularFileSize(const std::filesystem::path& name) const;
    // Opens a file of the folder that was a regular file a moment ago: opened
    // without waiting, it is kept only if it still is one. Saves the check
    // before the open where the caller has just made it.
    BinaryFile OpenRegularFile(const std::filesystem::path& name) const;

    // For replacing a file of the folder: what stands under the name
    // (following links), a new temporary file of a fresh name (`created`),
    // one step that moves a file over another, and a removal.
    std::filesystem::file_status Status(const std::filesystem::path& name) const;
    BinaryFile CreateTemporary(std::filesystem::path& created) const;
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) const;
    void Remove(const std::filesystem::path& name) const;

private:
    std::filesystem::path path_;
    int descriptor_ = -1;
    bool listed_ = false;
    std::unordered_set<std::filesystem::path::string_type> names_;  // when listed
};

}  // namespace skinwright
