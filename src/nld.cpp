#include "nld.hpp"

#include <string>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::nld {

using text::join;
namespace {

constexpr std::u32string_view VOWELS = U"aeiouáéíóúàèäëïöü";

bool is_vowel(char32_t c) { return VOWELS.find(c) != std::u32string_view::npos; }
// The vowels whose length is shown by doubling. Dutch never writes "ii": a
// long i is spelled "ie", and a single i before one consonant stays as it is
// (verdedigen: verdedig), so i is left out.
bool is_doubled_vowel(char32_t c) { return c == 'a' || c == 'e' || c == 'o' || c == 'u'; }

// Vowel pairs that spell one sound: a following consonant does not close a
// short vowel after them.
bool is_vowel_pair(char32_t a, char32_t b) {
    static constexpr const char* PAIRS[] = {"aa", "ai", "au", "ee", "ei", "eu", "ie",
                                            "oe", "oi", "oo", "ou", "ui", "uu"};
    for (const char* p : PAIRS) {
        if (a == static_cast<char32_t>(p[0]) && b == static_cast<char32_t>(p[1])) return true;
    }
    return false;
}

bool voiceless_final(std::string_view s) {
    if (utf8::ends_with(s, "ch")) return true;
    if (s.empty()) return false;
    switch (s.back()) {
        case 'f': case 'k': case 'p': case 's': case 't': case 'x': return true;
        default: return false;
    }
}

struct RuleStem {
    std::string stem;
    bool voiceless;
};

// The present stem of an infinitive in -en, from the base before "en".
RuleStem rule_stem(std::string_view base) {
    std::u32string b;
    for (char32_t c : utf8::chars(base)) b.push_back(c);
    const std::size_t n = b.size();
    const char32_t last = b[n - 1];

    // Voicing is read before the final z or v is devoiced.
    bool voiceless = false;
    if (last != 'v' && last != 'z') voiceless = voiceless_final(base);

    if (n >= 2 && b[n - 2] == last && !is_vowel(last)) {
        return {std::string(utf8::drop_last_chars(base, 1)), voiceless};  // bakken: bak
    }

    std::u32string s = b;
    if (!is_vowel(last) && n >= 2) {
        const char32_t v = b[n - 2];
        bool open = is_vowel(v) && (n < 3 || !is_vowel_pair(b[n - 3], v)) && is_doubled_vowel(v);
        if (open && (last == 'l' || last == 'm' || last == 'n') && v == 'e') {
            // An unstressed final -el, -em, -en keeps its single e (wandel).
            for (std::size_t i = 0; i + 2 < n; ++i) {
                if (is_vowel(b[i])) {
                    open = false;
                    break;
                }
            }
        }
        if (open) s.insert(s.begin() + static_cast<std::ptrdiff_t>(n - 1), v);  // maken: maak
    }
    if (s.back() == 'z') s.back() = 's';
    else if (s.back() == 'v') s.back() = 'f';

    std::string out;
    out.reserve(base.size() + 2);
    for (char32_t c : s) utf8::append(out, c);
    return {std::move(out), voiceless};
}

bool allowed_char(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    if (c >= 0xAA) return c == 0x2019 || unicode::is_alphabetic(c);
    return c == '-' || c == '\'';
}

// Whether the participle takes no "ge": the lemma ends in "en" and starts with
// an unstressed prefix followed by more than three characters.
bool unstressed_prefix(std::string_view lemma) {
    if (!utf8::ends_with(lemma, "en")) return false;
    for (std::string_view p : {"be", "ge", "her", "ont", "ver"}) {
        if (lemma.size() >= p.size() + 2 && utf8::starts_with(lemma, p) &&
            utf8::length(lemma.substr(p.size())) > 3)
            return true;
    }
    return false;
}

// "ge" before a stem. A stem that begins with e, i or u would run into the
// e of ge- and be read as one vowel (ee, ei, eu): the diaeresis keeps them
// apart (geëist, geïnformeerd, geüpload), except before ij and ui (geijkt,
// geuit); a stem that begins with a letter and a hyphen takes "ge-"
// (ge-e-maild).
std::string with_ge(std::string_view stem) {
    std::string out = "ge";
    const char c = stem.empty() ? '\0' : stem[0];
    const char next = stem.size() > 1 ? stem[1] : '\0';
    if ((c == 'e' || c == 'i' || c == 'u') && next == '-') {
        out += '-';
    } else if (c == 'e') {
        out += "\xC3\xAB";  // ë
        stem.remove_prefix(1);
    } else if (c == 'i' && next != 'j') {
        out += "\xC3\xAF";  // ï
        stem.remove_prefix(1);
    } else if (c == 'u' && next != 'i') {
        out += "\xC3\xBC";  // ü
        stem.remove_prefix(1);
    }
    out += stem;
    return out;
}

}  // namespace

Cell opt(std::string_view cell) noexcept {
    if (cell == "-") return std::nullopt;
    return cell;
}

// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find_entry(std::string_view lemma) {
    auto line = data::table::nld.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<8>(*line);
    // A missing cell reads as "-".
    auto at = [&](std::size_t i) -> std::string_view { return i < c.count ? c[i] : std::string_view("-"); };
    LexEntry e;
    e.stem = opt(at(1));
    e.present = lex::forms<6>(at(2));  // any count but six: derive the present
    e.past_singular = opt(at(3));
    e.past_plural = opt(at(4));
    e.past_participle = opt(at(5));
    e.imperative = opt(at(6));
    e.present_participle = opt(at(7));
    return e;
}

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    std::string word = unicode::to_lower(unicode::trim(text));
    std::string_view w = word;
    if (w.size() >= 3 && w.substr(0, 3) == "te ") w = unicode::trim(w.substr(3));
    if (w.empty()) return fail(Error{});
    for (char32_t c : utf8::chars(w)) {
        if (unicode::is_white_space(c) || !allowed_char(c)) return fail(Error{});
    }

    auto entry = find_entry(w);
    std::optional<RuleStem> rule;
    if (w.size() > 2 && utf8::ends_with(w, "en")) rule = rule_stem(w.substr(0, w.size() - 2));

    Verb verb;
    if (entry && entry->stem) {
        verb.stem = std::string(*entry->stem);
        verb.voiceless = voiceless_final(verb.stem);
    } else if (rule) {
        verb.stem = std::move(rule->stem);
        verb.voiceless = rule->voiceless;
    } else if (entry) {
        verb.stem = std::string(w);
        verb.voiceless = true;
    } else {
        return fail(Error{});
    }
    verb.lemma = std::string(w);
    verb.entry = entry;
    return verb;
}

std::string Verb::present(std::size_t person, bool plural) const {
    const std::size_t slot = person + (plural ? 3 : 0);
    if (entry && entry->present) return std::string((*entry->present)[slot]);
    if (plural) return lemma;
    if (person == 0 || utf8::ends_with(stem, "t")) return stem;
    return join(stem, "t");
}

Table Table::build(const Verb& verb) {
    const LexEntry* e = verb.entry ? &*verb.entry : nullptr;
    auto given = [e](Cell LexEntry::*field) -> Cell { return e != nullptr ? e->*field : std::nullopt; };

    Table t;
    t.infinitive = verb.lemma;
    for (std::size_t i = 0; i < 6; ++i) t.present[i] = verb.present(i % 3, i >= 3);

    if (Cell c = given(&LexEntry::past_singular)) t.past[0] = std::string(*c);
    else t.past[0] = join(verb.stem, verb.voiceless ? "te" : "de");
    if (Cell c = given(&LexEntry::past_plural)) t.past[1] = std::string(*c);
    else t.past[1] = join(t.past[0], "n");

    if (Cell c = given(&LexEntry::imperative)) t.imperative = std::string(*c);
    else t.imperative = verb.stem;

    if (Cell c = given(&LexEntry::present_participle)) t.present_participle = std::string(*c);
    else t.present_participle = join(verb.lemma, "d");

    if (Cell c = given(&LexEntry::past_participle)) {
        t.past_participle = std::string(*c);
    } else {
        std::string& pp = t.past_participle;
        if (unstressed_prefix(verb.lemma)) pp = verb.stem;
        else pp = with_ge(verb.stem);
        if (!utf8::ends_with(verb.stem, "t") && !utf8::ends_with(verb.stem, "d")) pp += verb.voiceless ? "t" : "d";
    }
    return t;
}

}  // namespace velnor::nld
