// What a step came to, in one vocabulary for the core, the behaviour and
// skinpack: an outcome code, whose first value means done, and for a failure
// what failed, in words for the user (UTF-8). The words are kept also as
// their format and values, from which a window shows them translated.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "filled_text.h"

namespace skinwright {

template <class Code>
struct Outcome {
    Code code{};
    std::string what;  // empty when done
    std::string_view format = {};           // what, before its values were filled in
    std::vector<std::string> values = {};

    explicit operator bool() const { return code == Code{}; }
};

// A failure told in words with values to fill in; the format is a text
// marked N_ that lives as long as the program.
template <class Code>
Outcome<Code> Told(Code code, std::string_view format, std::vector<std::string> values = {})
{
    std::string what = FillIn(format, values);
    return {code, std::move(what), format, std::move(values)};
}

// The code of a step that is done or failed, with no kinds of failure to
// tell apart.
enum class Step { Done, Failed };

inline Outcome<Step> Failure(std::string what)
{
    return {Step::Failed, std::move(what)};
}

}  // namespace skinwright
