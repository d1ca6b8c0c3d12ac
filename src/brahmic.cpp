#include "brahmic.hpp"

#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"

namespace velnor::brahmic {
namespace {

enum class Kind { Other, Consonant, Nukta, VowelLetter, VowelSign, Virama, Modifier, Bad };

// Every Brahmic block of Unicode has the same layout: the offset of a code
// point inside its 128-point block tells its kind.
bool in_blocks(char32_t c) noexcept { return c >= 0x0900 && c <= 0x0DFF; }

bool consonant(char32_t c) noexcept {
    const char32_t o = c & 0x7F;
    if (o >= 0x15 && o <= 0x39) return true;
    switch (c) {
        case 0x0958: case 0x0959: case 0x095A: case 0x095B: case 0x095C: case 0x095D: case 0x095E: case 0x095F:
        case 0x0979: case 0x097A: case 0x097B: case 0x097C: case 0x097D: case 0x097E: case 0x097F:
        case 0x09DC: case 0x09DD: case 0x09DF: case 0x0C58: case 0x0C59: case 0x0C5A: case 0x0CDE:
            return true;
        default:
            return false;
    }
}

Kind kind(char32_t c, Kind prev) noexcept {
    if (!in_blocks(c)) return Kind::Other;
    if (consonant(c)) return Kind::Consonant;
    const char32_t o = c & 0x7F;
    const bool after_consonant = prev == Kind::Consonant || prev == Kind::Nukta;
    if (c == 0x0B83) return Kind::VowelLetter;  // Tamil aytham is a letter of its own
    if (c == 0x0C04) return Kind::Bad;           // Telugu's archaic anusvara above spells no modern word
    if (o == 0x3C) return prev == Kind::Consonant ? Kind::Nukta : Kind::Bad;
    if (o == 0x4D) return after_consonant ? Kind::Virama : Kind::Bad;
    // Length marks, which complete a vowel sign; in Devanagari the same
    // offsets are vowel signs of their own.
    if ((o == 0x55 || o == 0x56 || o == 0x57) && c > 0x097F)
        return after_consonant || prev == Kind::VowelSign ? Kind::VowelSign : Kind::Bad;
    if ((o >= 0x3E && o <= 0x4C) || o == 0x3A || o == 0x3B || o == 0x4E || o == 0x4F || o == 0x62 || o == 0x63 ||
        (c >= 0x0955 && c <= 0x0957))
        return after_consonant ? Kind::VowelSign : Kind::Bad;
    if (o <= 0x03)
        return after_consonant || prev == Kind::VowelLetter || prev == Kind::VowelSign ? Kind::Modifier : Kind::Bad;
    if ((o >= 0x04 && o <= 0x14) || o == 0x60 || o == 0x61) return Kind::VowelLetter;
    // Any other mark of these blocks (the Gujarati nuktas above, sukun)
    // sits on a consonant.
    const auto cat = unicode::category(c);
    if (cat == unicode::Category::Mn || cat == unicode::Category::Mc)
        return prev == Kind::Consonant ? Kind::Modifier : Kind::Bad;
    return Kind::Other;
}

}  // namespace

bool well_formed(std::string_view text) noexcept {
    Kind prev = Kind::Other;
    for (char32_t c : utf8::chars(text)) {
        prev = kind(c, prev);
        if (prev == Kind::Bad) return false;
    }
    return true;
}

bool ends_in_consonant(std::string_view text) noexcept {
    if (text.empty()) return false;
    const char32_t c = utf8::last(text);
    if (in_blocks(c) && (c & 0x7F) == 0x3C) return well_formed(text);
    return consonant(c);
}

std::vector<std::size_t> word_starts(std::string_view word, bool virama_joins) {
    std::vector<std::size_t> out;
    Kind prev = Kind::Other;
    for (std::size_t i = 0; i < word.size();) {
        const auto d = utf8::decode(word, i);
        const Kind k = kind(d.cp, prev);
        if (i > 0 && (k == Kind::VowelLetter || (k == Kind::Consonant && (prev != Kind::Virama || !virama_joins))))
            out.push_back(i);
        prev = k;
        i += d.len;
    }
    return out;
}

std::string behind(std::string_view head, std::string_view form, std::string_view vowel, std::string_view sign) {
    if (!vowel.empty() && form.starts_with(vowel)) return text::join(head, sign, form.substr(vowel.size()));
    return text::join(head, form);
}

}  // namespace velnor::brahmic
