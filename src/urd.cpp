#include "urd.hpp"

#include <cstddef>
#include <deque>

#include "lexicon_text.hpp"
#include "perso_arabic.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"
#include "view_map.hpp"

namespace velnor::urd {

using text::join;
namespace {

constexpr std::string_view NA = "\u0646\u0627";  // نا

// The built-in rows, parsed once. Keys and forms are normalised copies held
// in `store` (a deque, so the views into it stay valid as it grows).
struct Lexicon {
    std::deque<std::string> store;
    ViewMap<LexEntry> map;

    std::string_view keep(std::string_view text) {
        store.push_back(perso_arabic::normalize(text));
        return store.back();
    }

    // A comma-separated group of exactly N forms, or none ("-", or any other count).
    template <std::size_t N>
    std::optional<std::array<std::string_view, N>> group(std::string_view field) {
        auto raw = lex::forms<N>(field);
        if (!raw) return std::nullopt;
        std::array<std::string_view, N> out{};
        for (std::size_t i = 0; i < N; ++i) out[i] = keep((*raw)[i]);
        return out;
    }
};

const Lexicon& table() {
    static const Lexicon lexicon = [] {
        Lexicon l;
        for (std::string_view line : lex::Lines(data::urd)) {
            auto c = lex::split<4>(line);
            std::string_view key = l.keep(c[0]);
            LexEntry e;
            e.pfv = l.group<3>(c.or_dash(1));
            e.subj = l.group<6>(c.or_dash(2));
            e.imp = l.group<3>(c.or_dash(3));
            l.map.insert_or_assign(key, e);  // a later row with the same lemma wins
        }
        return l;
    }();
    return lexicon;
}

// Suffixes by slot: consonant stems, vowel stems (آ, ا, و).
constexpr std::string_view SUBJ_C[6] = {"وں", "ے", "ے", "یں", "و", "یں"};
constexpr std::string_view SUBJ_V[6] = {"ؤں", "ئے", "ئے", "ئیں", "ؤ", "ئیں"};
constexpr std::string_view PFV_C[3] = {"ا", "ے", "ی"};
constexpr std::string_view PFV_V[3] = {"یا", "ئے", "ئی"};
// The polite imperative: after a consonant the ending is plain یے (چلیے,
// بیٹھیے); the hamza seat ئ only separates it from a preceding vowel
// (کھائیے, سوئیے).
constexpr std::string_view POLITE_C = "یے";
constexpr std::string_view POLITE_V = "ئیے";

}  // namespace

namespace lexicon {
const LexEntry* find(std::string_view lemma) {
    const auto& m = table().map;
    auto it = m.find(lemma);
    return it == m.end() ? nullptr : &it->second;
}
}  // namespace lexicon

constexpr std::string_view INFINITIVE_ENDINGS[] = {"نا"};
constexpr unicode::Spelling SPELLING{unicode::Script::Arabic, U"\u061c\u200e\u200f", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    // Normalise before trimming: a bidi mark or joiner at either end (common
    // in pasted right-to-left text) must not hide the blanks next to it.
    std::string normal = perso_arabic::normalize(text);
    std::string_view trimmed = unicode::trim(normal);
    if (trimmed.empty()) return fail(Error{});
    auto [prefix, word] = text::split_head(trimmed);
    if (word.size() < NA.size() || !utf8::ends_with(word, NA)) return fail(Error{});
    std::string_view stem = word.substr(0, word.size() - NA.size());
    if (stem.empty()) return fail(Error{});
    Verb v;
    v.prefix = std::string(prefix);
    v.infinitive = std::string(word);
    v.stem = std::string(stem);
    char32_t last = utf8::last(stem);
    v.vowel_final = last == 0x0622 || last == 0x0627 || last == 0x0648;
    v.lex = lexicon::find(word);
    return v;
}

std::string Verb::out(std::string_view form) const { return perso_arabic::normalize(join(prefix, form)); }

std::string Verb::imperative(int slot) const {
    if (lex && lex->imp) return out((*lex->imp)[slot]);
    switch (slot) {
        case 0: return out(stem);
        case 1: return out(join(stem, vowel_final ? "ؤ" : "و"));
        default: return out(join(stem, vowel_final ? POLITE_V : POLITE_C));
    }
}

std::string Verb::perfective(bool feminine, bool plural) const {
    int slot = feminine ? 2 : plural ? 1 : 0;
    if (lex && lex->pfv) return out((*lex->pfv)[slot]);
    return out(join(stem, vowel_final ? PFV_V[slot] : PFV_C[slot]));
}

std::string Verb::bare_subjunctive(int slot) const {
    if (lex && lex->subj) return std::string((*lex->subj)[slot]);
    return join(stem, vowel_final ? SUBJ_V[slot] : SUBJ_C[slot]);
}

std::string Verb::subjunctive(int person, bool plural) const { return out(bare_subjunctive(person + (plural ? 3 : 0))); }

std::string Verb::imperfective(bool feminine, bool plural) const {
    return out(join(stem, feminine ? "تی" : plural ? "تے" : "تا"));
}

// The future is written apart: subjunctive, a space, then گا/گے/گی.
std::string Verb::future(int person, bool plural, bool feminine) const {
    std::string form = bare_subjunctive(person + (plural ? 3 : 0));
    form.append(feminine ? " گی" : plural ? " گے" : " گا");
    return out(form);
}

Table Table::build(const Verb& v) {
    Table t;
    t.infinitive = v.out(v.infinitive);
    t.oblique_infinitive = v.out(join(v.stem, "نے"));
    t.fill_rows(v);
    return t;
}

}  // namespace velnor::urd
