// What the Hindi and Urdu engines share: one grammar written in two scripts,
// so one irregular-verb row and one table whose person and participle rows
// each engine's Verb makes alike.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "lexicon_table.hpp"
#include "lexicon_text.hpp"

namespace velnor::hindustani {

// One row of the irregular-verb table. An absent group means that the rule
// applies.
struct LexEntry {
    std::optional<std::array<std::string_view, 3>> pfv;   // m.sg, m.pl, f
    std::optional<std::array<std::string_view, 6>> subj;  // 1sg, 2sg, 3sg, 1pl, 2pl, 3pl
    std::optional<std::array<std::string_view, 3>> imp;   // intimate, familiar, polite
};

// The row of `lemma` in a compiled irregular-verb table (the last row when
// the lemma repeats), as views into the table.
inline std::optional<LexEntry> find_row(const lex::Table& table, std::string_view lemma) {
    auto line = table.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<4>(*line);
    return LexEntry{lex::forms<3>(c.or_dash(1)), lex::forms<6>(c.or_dash(2)), lex::forms<3>(c.or_dash(3))};
}

using Triple = std::array<std::string, 3>;
using Row6 = std::array<std::string, 6>;

struct Forms {
    std::string infinitive;
    std::string oblique_infinitive;
    Triple imperative;
    Row6 subjunctive;
    Row6 future_masculine;
    Row6 future_feminine;
    Triple imperfective;
    Triple perfective;

    // Every row but the two infinitives, from the verb's own forms.
    template <class Verb>
    void fill_rows(const Verb& v) {
        for (int i = 0; i < 3; ++i) imperative[i] = v.imperative(i);
        for (int i = 0; i < 6; ++i) subjunctive[i] = v.subjunctive(i % 3, i >= 3);
        for (int i = 0; i < 6; ++i) future_masculine[i] = v.future(i % 3, i >= 3, false);
        for (int i = 0; i < 6; ++i) future_feminine[i] = v.future(i % 3, i >= 3, true);
        imperfective = {v.imperfective(false, false), v.imperfective(false, true), v.imperfective(true, false)};
        perfective = {v.perfective(false, false), v.perfective(false, true), v.perfective(true, false)};
    }
};

}  // namespace velnor::hindustani
