// Well-formed text in the Brahmic scripts the engines write (Devanagari,
// Bengali, Gujarati, Tamil, Telugu, Kannada): a dependent vowel sign, a
// virama or a nukta stands only where a reader can attach it.
#pragma once
#include <string_view>

namespace velnor::brahmic {

// Whether every dependent vowel sign and virama follows a consonant (or a
// consonant with its nukta), every nukta a consonant, every length mark a
// consonant or vowel sign, and every candrabindu, anusvara or visarga a
// letter or vowel sign. Text outside these blocks is not judged.
bool well_formed(std::string_view text) noexcept;

// Whether the text ends in a consonant (or a consonant with its nukta): only
// such a stem can take an ending that opens with a vowel sign or virama.
bool ends_in_consonant(std::string_view text) noexcept;

}  // namespace velnor::brahmic
