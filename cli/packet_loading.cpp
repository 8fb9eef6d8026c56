#include "packet_loading.h"

#include <string_view>

#include "terminal_text.h"

namespace skinwright::cli {
namespace {

// The rows are read from the reader's table; only the warning is shown, as
// one line: the path and the Viewer's warning sentence.
class WarningToStream : public LoadTarget {
public:
    WarningToStream(const std::filesystem::path& path, std::ostream& err) : path_(path), err_(err) {}

    void FoundDamagedNames(int) override
    {
        err_ << "warning: " << DisplayPath(path_)
             << ": This resource packet may be damaged, continue to use may cause error!\n";
    }
    void ClearList() override {}
    void AddListRow(int, const ResourceEntry&) override {}
    void Loaded(int) override {}

private:
    const std::filesystem::path& path_;
    std::ostream& err_;
};

}  // namespace

std::unique_ptr<PacketReader> OpenPacket(const std::filesystem::path& path, std::ostream& err)
{
    auto reader = std::make_unique<PacketReader>();
    WarningToStream target(path, err);
    const LoadResult result = reader->LoadPacket(path, target);
    if (result)
        return reader;
    err << "skinpack: cannot read packet " << DisplayPath(path) << ": " << result.what << '\n';
    return nullptr;
}

}  // namespace skinwright::cli
