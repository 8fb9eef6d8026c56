#include "packet_loading.h"

#include <string>

#include "terminal_text.h"

namespace skinwright::cli {
namespace {

// The packet's rows are read from its table; only the warning is shown.
class WarningToStream : public LoadTarget {
public:
    explicit WarningToStream(std::ostream& err) : err_(err) {}

    void ShowDamagedWarning(std::string_view text) override
    {
        std::string lines;
        for (char c : text)
            if (c != '\r')
                lines += c;
        err_ << lines << '\n';
    }
    void ClearList() override {}
    void AddListRow(int, const ResourceEntry&) override {}
    void SetStatus(std::string_view) override {}

private:
    std::ostream& err_;
};

}  // namespace

std::unique_ptr<PacketReader> OpenPacket(const std::filesystem::path& path, std::ostream& err)
{
    auto reader = std::make_unique<PacketReader>();
    WarningToStream target(err);
    const LoadResult result = reader->LoadPacket(path, target);
    if (result.loaded)
        return reader;
    err << "skinpack: cannot read packet " << DisplayPath(path) << ": "
        << (result.reason.empty() ? std::string("no path given") : result.reason) << '\n';
    return nullptr;
}

}  // namespace skinwright::cli
