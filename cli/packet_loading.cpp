#include "packet_loading.h"

#include <string_view>

#include "terminal_text.h"

namespace skinwright::cli {
namespace {

// The rows are read from the reader's table; only the warning is shown, as
// one line: the path and the warning's sentence after its "Warning!" title.
class WarningToStream : public LoadTarget {
public:
    WarningToStream(const std::filesystem::path& path, std::ostream& err) : path_(path), err_(err) {}

    void ShowDamagedWarning(std::string_view text) override
    {
        const std::size_t blankLine = text.rfind('\n');
        err_ << "warning: " << DisplayPath(path_) << ": "
             << text.substr(blankLine == std::string_view::npos ? 0 : blankLine + 1) << '\n';
    }
    void ClearList() override {}
    void AddListRow(int, const ResourceEntry&) override {}
    void SetStatus(std::string_view) override {}

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
    if (result.loaded)
        return reader;
    err << "skinpack: cannot read packet " << DisplayPath(path) << ": " << result.reason << '\n';
    return nullptr;
}

}  // namespace skinwright::cli
