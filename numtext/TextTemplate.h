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

} // namespace translation
