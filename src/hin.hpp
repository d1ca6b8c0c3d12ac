// Hindi conjugation: analysis of a Devanagari infinitive (with an optional
// compound head such as "काम " in काम करना), the table of irregular verbs,
// and the paradigm built off the stem.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::hin {

// One row of the irregular-verb table. An absent group means that the rule
// applies. The forms are views into the built-in lexicon text.
struct LexEntry {
    std::optional<std::array<std::string_view, 3>> pfv;   // m.sg, m.pl, f
    std::optional<std::array<std::string_view, 6>> subj;  // 1sg, 2sg, 3sg, 1pl, 2pl, 3pl
    std::optional<std::array<std::string_view, 3>> imp;   // intimate, familiar, polite
};

namespace lexicon {
// The row of an infinitive (without compound head), if any.
std::optional<LexEntry> find(std::string_view lemma);
}  // namespace lexicon

// Failure of the analysis: the text is not a Hindi infinitive.
struct Error {};

struct Verb {
    std::string prefix;      // compound head including its final space, or empty
    std::string infinitive;  // the verb proper, ends in "ना"
    std::string stem;        // infinitive less "ना"
    std::optional<LexEntry> lex;
    bool vowel_final = false;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // Each form begins with the prefix.
    std::string imperative(int slot) const;
    std::string perfective(bool feminine, bool plural) const;
    std::string subjunctive(int person, bool plural) const;
    std::string imperfective(bool feminine, bool plural) const;
    std::string future(int person, bool plural, bool feminine) const;

private:
    // The subjunctive of the verb proper, without the prefix.
    std::string bare_subjunctive(int slot) const;
};

using Triple = std::array<std::string, 3>;
using Row6 = std::array<std::string, 6>;

struct Table {
    std::string infinitive;
    std::string oblique_infinitive;
    Triple imperative;
    Row6 subjunctive;
    Row6 future_masculine;
    Row6 future_feminine;
    Triple imperfective;
    Triple perfective;

    static Table build(const Verb& verb);
};

}  // namespace velnor::hin
