#include "orthography.hpp"

#include "../utf8.hpp"

namespace velnor::deu {

bool is_vowel(char32_t c) noexcept {
    switch (c) {
        case U'a': case U'e': case U'i': case U'o': case U'u': case U'y':
        case U'à': case U'â': case U'ä': case U'è': case U'é': case U'ê':
        case U'î': case U'ô': case U'ö': case U'û': case U'ü':
            return true;
        default:
            return false;
    }
}

namespace orthography {

namespace {

// Vowels without y, plus the sonorants that block epenthesis before m/n.
bool blocks_before_nasal(char32_t c) noexcept {
    return (c != U'y' && is_vowel(c)) || c == U'l' || c == U'n' || c == U'r';
}

bool is_sibilant(char32_t c) noexcept { return c == U's' || c == U'x' || c == U'z' || c == U'ß'; }

}  // namespace

bool needs_epenthesis(std::string_view stem) noexcept {
    if (stem.empty()) return false;
    utf8::Decoded d1 = utf8::decode_last(stem, stem.size());
    char32_t c1 = d1.cp;
    std::size_t end2 = stem.size() - d1.len;
    if (end2 == 0) return c1 == U'd' || c1 == U't';
    utf8::Decoded d2 = utf8::decode_last(stem, end2);
    char32_t c2 = d2.cp;
    std::size_t end3 = end2 - d2.len;
    char32_t c3 = end3 == 0 ? 0 : utf8::decode_last(stem, end3).cp;

    if (c1 == U'h' && c2 == U't') return true;
    if (c1 == U'd' || c1 == U't') return true;
    if (c2 == U'h') {
        if (c1 == U'm' || c1 == U'n') return c3 == U'c';
        return c1 == U'w';
    }
    if (c2 == U'm') return c1 == U'w' || c1 == U'n';
    if (c1 == U'm' || c1 == U'n') return !blocks_before_nasal(c2);
    if (c1 == U'w') return !(c2 != U'y' && is_vowel(c2));
    return false;
}

std::string attach(std::string_view stem, std::string_view ending, bool el_rule, bool e_elision) {
    std::string out;
    out.reserve(stem.size() + ending.size() + 1);
    if (el_rule && ending == "e" && stem.size() >= 2 && utf8::ends_with(stem, "el")) {
        out.append(stem.substr(0, stem.size() - 2));
        out.append("le");
        return out;
    }
    if (e_elision && utf8::ends_with(stem, "e")) {
        if (ending.empty()) return std::string(stem);
        if (ending.front() == 'e') {
            out.append(stem);
            out.append(ending.substr(1));
            return out;
        }
    }
    if (ending == "st") {
        out.append(stem);
        if (!stem.empty() && is_sibilant(utf8::last(stem))) {
            out.push_back('t');
        } else {
            if (needs_epenthesis(stem)) out.push_back('e');
            out.append("st");
        }
        return out;
    }
    out.append(stem);
    if (!ending.empty() && ending.front() == 't' && needs_epenthesis(stem)) out.push_back('e');
    out.append(ending);
    return out;
}

}  // namespace orthography
}  // namespace velnor::deu
