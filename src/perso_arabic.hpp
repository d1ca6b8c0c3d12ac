// Perso-Arabic normalisation shared by the Urdu and Persian engines: one
// spelling for user input, lexicon keys and built forms, so that they
// compare equal byte for byte.
#pragma once
#include <string>
#include <string_view>

namespace velnor::perso_arabic {

// Returns `text` with, in this order of tests per character:
//  - strip_bidi_marks: U+061C, U+200E and U+200F dropped;
//  - strip_joiners: U+200C and U+200D dropped;
//  - strip_diacritics: the harakat U+064B..U+0652, tatweel U+0640,
//    noon ghunna U+0658 and superscript alef U+0670 dropped;
//  - fold_letters: أ إ ٱ → ا, ة → ه, Arabic kaf ك → ک, ى ي → ی.
// Every other character is kept as it is (no Unicode normalisation, no
// trimming).
std::string normalize_with(std::string_view text, bool strip_bidi_marks, bool strip_joiners,
                           bool strip_diacritics, bool fold_letters);

// All four switches on.
std::string normalize(std::string_view text);

}  // namespace velnor::perso_arabic
