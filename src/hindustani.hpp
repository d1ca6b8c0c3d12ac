// What the Hindi and Urdu engines share: one grammar written in two scripts,
// so one irregular-verb row and one table whose person and participle rows
// each engine's Verb makes alike.
#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lexicon_table.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"

namespace velnor::hindustani {

// One row of the irregular-verb table. An absent group means that the rule
// applies.
struct LexEntry {
    std::optional<std::array<std::string_view, 3>> pfv;   // m.sg, m.pl, f
    std::optional<std::array<std::string_view, 6>> subj;  // 1sg, 2sg, 3sg, 1pl, 2pl, 3pl
    std::optional<std::array<std::string_view, 3>> imp;   // intimate, familiar, polite
    bool no_imperative = false;                            // the imp cell is "—" (सकना, चुकना)
};

// The row of `lemma` in a compiled irregular-verb table (the last row when
// the lemma repeats), as views into the table.
inline std::optional<LexEntry> find_row(const lex::Table& table, std::string_view lemma) {
    auto line = table.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<4>(*line);
    return LexEntry{lex::forms<3>(c.or_dash(1)), lex::forms<6>(c.or_dash(2)), lex::forms<3>(c.or_dash(3)),
                    c.or_dash(3) == "\u2014"};
}

using Triple = std::array<std::string, 3>;
using Row6 = std::array<std::string, 6>;

// The participle triple (m.sg, m.pl, f) of a pfv group of a compiled
// irregular-verb table that holds `word`, if any row does.
inline std::optional<Triple> listed_participle(const lex::Table& table, std::string_view word) {
    return lex::first_read(table.text(), [word](std::string_view line) -> std::optional<Triple> {
        auto pfv = lex::forms<3>(lex::split<4>(line).or_dash(1));
        // The masculine forms only: a feminine such as पी is also a stem (पी जाना).
        if (!pfv || ((*pfv)[0] != word && (*pfv)[1] != word)) return std::nullopt;
        return Triple{std::string((*pfv)[0]), std::string((*pfv)[1]), std::string((*pfv)[2])};
    });
}

// How one script writes the perfective participle: the endings after a
// vowel stem (या, ए, ई) and after a consonant stem (ा, े, ी), the words of
// that shape that are no participle (आगे), and which stems end in a vowel
// and which are long enough for a consonant stem (खा, ले are stems).
struct ParticipleSpelling {
    std::array<std::string_view, 3> after_vowel;
    std::array<std::string_view, 3> after_consonant;
    std::span<const std::string_view> not_participles;
    bool (*vowel_stem)(std::string_view stem);
    bool (*consonant_stem)(std::string_view stem);
};

// The participle triple of a head word: a form of a row of `table` (किया,
// गए), or a stem and the masculine ending of the spelling (चला, चले, खाया).
inline std::optional<Triple> participle(const ParticipleSpelling& sp, const lex::Table& table,
                                        std::string_view word) {
    for (std::string_view a : sp.not_participles)
        if (word == a) return std::nullopt;
    if (auto listed = listed_participle(table, word)) return listed;
    for (const auto* ends : {&sp.after_vowel, &sp.after_consonant}) {
        const bool vowel = ends == &sp.after_vowel;
        for (int i = 0; i < 2; ++i) {
            std::string_view end = (*ends)[i];
            if (!word.ends_with(end)) continue;
            std::string_view stem = word.substr(0, word.size() - end.size());
            if (!stem.empty() && (vowel ? sp.vowel_stem(stem) : sp.consonant_stem(stem)))
                return Triple{text::join(stem, (*ends)[0]), text::join(stem, (*ends)[1]), text::join(stem, (*ends)[2])};
        }
    }
    return std::nullopt;
}

// Slots of a participle triple.
inline int agreement(bool feminine, bool plural) { return feminine ? 2 : plural ? 1 : 0; }

struct Forms {
    std::string infinitive;
    std::string oblique_infinitive;
    std::optional<Triple> imperative;  // none for a verb without one (the modals सकना, चुकना)
    Row6 subjunctive;
    Row6 future_masculine;
    Row6 future_feminine;
    Triple imperfective;
    Triple perfective;

    // Every row but the two infinitives, from the verb's own forms.
    template <class Verb>
    void fill_rows(const Verb& v) {
        if (!v.lex || !v.lex->no_imperative) {
            imperative.emplace();
            for (int i = 0; i < 3; ++i) (*imperative)[i] = v.imperative(i);
        }
        for (int i = 0; i < 6; ++i) subjunctive[i] = v.subjunctive(i % 3, i >= 3);
        for (int i = 0; i < 6; ++i) future_masculine[i] = v.future(i % 3, i >= 3, false);
        for (int i = 0; i < 6; ++i) future_feminine[i] = v.future(i % 3, i >= 3, true);
        imperfective = {v.imperfective(false, false), v.imperfective(false, true), v.imperfective(true, false)};
        perfective = {v.perfective(false, false), v.perfective(false, true), v.perfective(true, false)};
    }
};

}  // namespace velnor::hindustani
