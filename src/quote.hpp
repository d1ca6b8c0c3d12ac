// The quoted form of a text that every result's __repr__ shows.
#pragma once
#include <string>
#include <string_view>

namespace velnor {

// Double quotes around the text; NUL, TAB, LF, CR, backslash and double quote
// written as \0 \t \n \r \\ \"; a Grapheme_Extend or non-printable character
// (categories Cc Cf Cs Co Cn Zl Zp, and Zs other than the space) written as
// \u{hex}; every other character unchanged.
std::string quote(std::string_view text);

}  // namespace velnor
