// Texts built from a translated template: "%1" … "%9" stand for the parts put in (numbers, names), so
// that each language places them where its word order wants them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace translation {

// `pattern` with each "%n" replaced by the n-th of `parts`; a '%' followed by anything else, or by a
// number beyond the parts, stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> parts);

// A text quoted in a message with its control characters written as escapes ("\n", "\t", "\x1B",
// "\x00"), so that the message stays one line, does nothing to a terminal and no NUL cuts it short.
std::string OneLine(std::string_view text);

} // namespace translation
