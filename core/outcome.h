// What a step came to, in one vocabulary for the core, the behaviour and
// skinpack: an outcome code, whose first value means done, and for a failure
// what failed, in words for the user (UTF-8).
#pragma once

#include <string>
#include <utility>

namespace skinwright {

template <class Code>
struct Outcome {
    Code code{};
    std::string what;  // empty when done

    explicit operator bool() const { return code == Code{}; }
};

// The code of a step that is done or failed, with no kinds of failure to
// tell apart.
enum class Step { Done, Failed };

inline Outcome<Step> Failure(std::string what)
{
    return {Step::Failed, std::move(what)};
}

}  // namespace skinwright
