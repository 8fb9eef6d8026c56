#include "picture_text.h"

namespace skinwright::cli {

std::string Counted(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string SizeText(const RowPicture& picture)
{
    if (!picture.facts.hasScreen)
        return "-";
    return std::to_string(picture.facts.width) + "x" + std::to_string(picture.facts.height);
}

std::string VerdictText(const RowPicture& picture)
{
    switch (picture.status) {
    case RecordStatus::Empty:
        return "its record is empty";
    case RecordStatus::PastEnd:
        return "its record runs past the end of the packet";
    case RecordStatus::Read:
        break;
    }
    return picture.facts.WellFormed() ? "ok" : picture.facts.fault;
}

std::string FactsText(const RowPicture& picture)
{
    std::string text = picture.facts.hasScreen ? SizeText(picture) + ", " : "";
    if (picture.Faulty())
        return text + VerdictText(picture);
    text += Counted(picture.facts.frames, "frame");
    if (picture.facts.loops)
        text += ", loops";
    return text;
}

}  // namespace skinwright::cli
