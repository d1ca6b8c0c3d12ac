#include "hin.hpp"

#include <cstddef>

#include "brahmic.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::hin {

using text::join;
namespace {

constexpr std::string_view NA = "ना";

bool is_vowel_char(char32_t c) {
    switch (c) {
        case 0x093E: case 0x093F: case 0x0940: case 0x0941: case 0x0942:
        case 0x0943: case 0x0947: case 0x0948: case 0x094B: case 0x094C:
        case 0x0905: case 0x0906: case 0x0907: case 0x0908: case 0x0909:
        case 0x090A: case 0x090F: case 0x0910: case 0x0913: case 0x0914:
            return true;
        default:
            return false;
    }
}

// Subjunctive endings by slot: consonant stems, vowel stems.
constexpr std::string_view SUBJ_C[6] = {"ूं", "े", "े", "ें", "ो", "ें"};
constexpr std::string_view SUBJ_V[6] = {"ऊं", "ए", "ए", "एं", "ओ", "एं"};

// Words in -े that stand before जाना and are no participle (आगे जाना).
constexpr std::string_view ADVERBS[] = {"आगे", "पीछे", "नीचे", "सामने", "पहले"};

constexpr hindustani::ParticipleSpelling PARTICIPLE{
    {"या", "ए", "ई"}, {"ा", "े", "ी"}, ADVERBS,
    [](std::string_view stem) { return is_vowel_char(utf8::last(stem)); },
    // Two letters at least: खा and ले are stems (खा जाना, ले जाना).
    [](std::string_view stem) { return utf8::length(stem) >= 2 && brahmic::ends_in_consonant(stem); }};

std::optional<hindustani::Triple> participle(std::string_view word) {
    return hindustani::participle(PARTICIPLE, data::table::hin, word);
}

}  // namespace

namespace lexicon {
// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find(std::string_view lemma) { return hindustani::find_row(data::table::hin, lemma); }
}  // namespace lexicon

constexpr std::string_view INFINITIVE_ENDINGS[] = {NA};
constexpr unicode::Spelling SPELLING{unicode::Script::Devanagari, U"", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto trimmed = unicode::word_of(text, SPELLING);
    if (!trimmed) return fail(Error{});
    auto [prefix, word] = text::split_head(*trimmed);
    if (word.size() < NA.size() || word.substr(word.size() - NA.size()) != NA) return fail(Error{});
    std::string_view stem = word.substr(0, word.size() - NA.size());
    if (stem.empty()) return fail(Error{});
    // Every ending opens with a vowel sign or, after a vowel, a vowel letter.
    const bool vowel_final = is_vowel_char(utf8::last(stem));
    if (!brahmic::well_formed(word) || !(vowel_final || brahmic::ends_in_consonant(stem))) return fail(Error{});
    Verb v;
    v.prefix = std::string(prefix);
    v.infinitive = std::string(word);
    v.stem = std::string(stem);
    v.vowel_stem = v.stem;
    if (utf8::last(stem) == 0x0942) v.vowel_stem = join(utf8::drop_last_chars(stem, 1), "\u0941");
    v.vowel_final = vowel_final;
    v.lex = lexicon::find(word);
    v.heads = word == "जाना" ? text::agreeing_heads<3>(v.prefix, participle)
                             : hindustani::Triple{v.prefix, v.prefix, v.prefix};
    return v;
}

std::string Verb::imperative(int slot) const {
    // तू takes the singular head, तुम and आप the plural (चला जा, चले जाओ).
    const std::string& prefix = heads[slot == 0 ? 0 : 1];
    if (lex && lex->imp) return join(prefix, (*lex->imp)[slot]);
    switch (slot) {
        case 0: return join(prefix, stem);
        case 1: return join(prefix, vowel_stem, vowel_final ? "ओ" : "ो");
        default: return join(prefix, vowel_stem, vowel_final ? "इए" : "िए");
    }
}

std::string Verb::perfective(bool feminine, bool plural) const {
    int slot = hindustani::agreement(feminine, plural);
    const std::string& prefix = heads[slot];
    if (lex && lex->pfv) return join(prefix, (*lex->pfv)[slot]);
    static constexpr std::string_view C[3] = {"ा", "े", "ी"};
    static constexpr std::string_view V[3] = {"या", "ए", "ई"};
    // After a short ु the glide is not written: छुआ, चुआ.
    if (vowel_stem != stem) return join(prefix, vowel_stem, slot == 0 ? "आ" : V[slot]);
    return join(prefix, stem, vowel_final ? V[slot] : C[slot]);
}

std::string Verb::bare_subjunctive(int slot) const {
    if (lex && lex->subj) return std::string((*lex->subj)[slot]);
    return join(vowel_stem, vowel_final ? SUBJ_V[slot] : SUBJ_C[slot]);
}

std::string Verb::subjunctive(int person, bool plural) const {
    return join(heads[plural ? 1 : 0], bare_subjunctive(person + (plural ? 3 : 0)));
}

std::string Verb::imperfective(bool feminine, bool plural) const {
    return join(heads[hindustani::agreement(feminine, plural)], stem, feminine ? "ती" : plural ? "ते" : "ता");
}

std::string Verb::future(int person, bool plural, bool feminine) const {
    return join(heads[hindustani::agreement(feminine, plural)], bare_subjunctive(person + (plural ? 3 : 0)),
                feminine ? "गी" : plural ? "गे" : "गा");
}

Table Table::build(const Verb& v) {
    Table t;
    t.infinitive = join(v.prefix, v.infinitive);
    t.oblique_infinitive = join(v.heads[1], v.stem, "ने");  // the oblique head: चले जाने
    t.fill_rows(v);
    return t;
}

}  // namespace velnor::hin
