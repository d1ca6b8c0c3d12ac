// Hindi conjugation: analysis of a Devanagari infinitive (with an optional
// compound head such as "काम " in काम करना), the table of irregular verbs,
// and the paradigm built off the stem.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"
#include "hindustani.hpp"

namespace velnor::hin {

// The forms of the irregular-verb rows are views into the built-in lexicon text.
using hindustani::LexEntry;

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
    std::string vowel_stem;  // the stem before a vowel ending: a final ू shortens (छूना: छुआ, छुओ)
    std::optional<LexEntry> lex;
    bool vowel_final = false;
    // The prefix in each participle agreement (m.sg, m.pl, f): the same
    // three times but where the head is a participle that agrees.
    hindustani::Triple heads;

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

struct Table : hindustani::Forms {
    static Table build(const Verb& verb);
};

}  // namespace velnor::hin
