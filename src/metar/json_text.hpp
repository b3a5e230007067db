#pragma once
// JSON string escaping (RFC 8259): the command line's --json output and the decoded values.

#include <string>
#include <string_view>

#include "metar/text_buffer.hpp"

namespace vantrel {

// Appends `text` escaped for the inside of a JSON string, without the quotes. The quote and
// the backslash are escaped, control characters U+0000..U+001F become \n \r \t \b \f or \u00xx
// (lower-case hex), and every other byte is copied as it is, so UTF-8 stays UTF-8. Works byte by
// byte, so a text may be escaped in pieces cut anywhere.
void appendJsonEscaped(TextBuffer& out, std::string_view text);

// Appends `text` as a whole JSON string: opening quote, escaped text, closing quote.
void appendJsonString(TextBuffer& out, std::string_view text);

}  // namespace vantrel
