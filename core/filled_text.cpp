#include "filled_text.h"

namespace skinwright {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::string FillIn(std::string_view format, std::span<const std::string> values)
{
    std::string text;
    std::size_t next = 0;  // the value a "%s" without a place takes
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        text.append(format.substr(i, percent - i));
        if (percent == std::string_view::npos)
            break;
        std::size_t at = percent + 1;
        if (at < format.size() && format[at] == '%') {
            text += '%';
            i = at + 1;
            continue;
        }
        std::size_t place = next;
        bool placed = false;
        std::size_t digits = at;
        std::size_t number = 0;
        while (digits < format.size() && IsDigit(format[digits]) && digits - at < 2)
            number = number * 10 + static_cast<std::size_t>(format[digits++] - '0');
        if (digits > at && digits < format.size() && format[digits] == '$' && number > 0) {
            place = number - 1;
            placed = true;
            at = digits + 1;
        }
        const bool known = at < format.size() && (format[at] == 's' || format[at] == 'd');
        if (!known || place >= values.size()) {
            text += '%';
            i = percent + 1;
            continue;
        }
        text += values[place];
        if (!placed)
            ++next;
        i = at + 1;
    }
    return text;
}

}  // namespace skinwright
