// Text and file names from packets, made fit for an HTML page.
#pragma once

#include <string>
#include <string_view>

namespace skinwright::cli {

// UTF-8 text with &, <, >, " and ' written as references, for an element's
// text or an attribute's value.
std::string HtmlEscaped(std::string_view utf8);

// A file beside the page as a relative URL: "./" and the name with every
// byte but ASCII letters, digits and -._~ percent-encoded, so that no name
// reads as a scheme, a folder, a query or a fragment.
std::string RelativeUrl(std::string_view utf8FileName);

}  // namespace skinwright::cli
