// Well-formed text in the Brahmic scripts the engines write (Devanagari,
// Bengali, Gujarati, Tamil, Telugu, Kannada): a dependent vowel sign, a
// virama or a nukta stands only where a reader can attach it.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "utf8.hpp"

namespace velnor::brahmic {

// Whether every dependent vowel sign and virama follows a consonant (or a
// consonant with its nukta), every nukta a consonant, every length mark a
// consonant or vowel sign, and every candrabindu, anusvara or visarga a
// letter or vowel sign. Text outside these blocks is not judged.
bool well_formed(std::string_view text) noexcept;

// Whether the text ends in a consonant (or a consonant with its nukta): only
// such a stem can take an ending that opens with a vowel sign or virama.
bool ends_in_consonant(std::string_view text) noexcept;

// `head` written before `form`; a form that opens with the independent vowel
// `vowel` takes its sign `sign` after the head instead (Kannada ಸಾಧ್ಯವ +
// ಆಯಿತು: ಸಾಧ್ಯವಾಯಿತು; Tamil நலம் + ஆன்: நலமான்). An empty `vowel` fuses nothing.
std::string behind(std::string_view head, std::string_view form, std::string_view vowel, std::string_view sign);

// The byte offsets inside `word` (never 0), in order, at which a written
// word can begin: an independent vowel letter, or a consonant that no virama
// joins to the one before (in Tamil, where the virama joins nothing, any
// consonant). A compound's last word begins at one of them.
std::vector<std::size_t> word_starts(std::string_view word, bool virama_joins = true);

// The offset at which the longest tail of `word` that `listed` accepts
// begins, the tail beginning at one of word_starts and holding at least
// `min_chars` characters: a compound whose last verb has a row (Kannada
// ಅರ್ಥಮಾಡಿಕೊಳ್ಳು ends in ಕೊಳ್ಳು); 0 when there is none.
template <class Listed>
std::size_t listed_tail(std::string_view word, Listed&& listed, bool virama_joins = true, std::size_t min_chars = 2) {
    for (std::size_t at : word_starts(word, virama_joins)) {
        const std::string_view tail = word.substr(at);
        if (utf8::length(tail) < min_chars) break;
        if (listed(tail)) return at;
    }
    return 0;
}

}  // namespace velnor::brahmic
