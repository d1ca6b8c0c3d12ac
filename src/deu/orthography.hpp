// Joining stems and endings: e-epenthesis after d/t and some consonant
// clusters (arbeitest, rechnet), the s of "st" swallowed after s/x/z/ß
// (reist), -el stems dropping their e before "e" (sammle) and stems in -e
// not doubling it (knien).
#pragma once
#include <string>
#include <string_view>

namespace velnor::deu {

// One of a e i o u y à â ä è é ê î ô ö û ü (lower case only).
bool is_vowel(char32_t c) noexcept;

namespace orthography {

// Whether the stem takes an "e" before an ending that begins with "t".
bool needs_epenthesis(std::string_view stem) noexcept;

// stem + ending with the German joining rules. `el_rule`: an -el stem
// drops its e before the ending "e"; `e_elision`: a stem in -e does not
// double the e of an ending that begins with one.
std::string attach(std::string_view stem, std::string_view ending, bool el_rule, bool e_elision);

}  // namespace orthography
}  // namespace velnor::deu
