// Feeds arbitrary command lines to the windows' start (the arguments split
// at zero bytes). A packet is taken only from one argument that is no
// option, and always as a path inside the current folder or absolute.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "behaviour/start_request.h"
#include "require.h"

namespace {

void Require(bool holds, const char* what)
{
    skinwright::fuzz::Require(holds, "the start's command line", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        arguments.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const std::filesystem::path current = "/current/folder";
    const skinwright::behaviour::StartRequest request = skinwright::behaviour::ParseStartArguments(arguments, current);

    using Action = skinwright::behaviour::StartRequest::Action;
    const bool oneArgument = arguments.size() == 1;
    Require(request.action == Action::Run || oneArgument, "asked for more than a run with several arguments");
    if (request.packet.empty())
        return 0;
    Require(oneArgument && request.action == Action::Run, "took a packet beside another argument or an action");
    Require(!arguments.front().empty() && arguments.front().front() != '-', "took an option for a packet");
    Require(request.packet.is_absolute(), "took a packet path that is not absolute");
    return 0;
}
