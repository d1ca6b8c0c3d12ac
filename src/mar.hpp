// Marathi conjugation: analysis of a Devanagari infinitive in -णे (with an
// optional compound head such as "काम " in काम करणे), the table of irregular
// and suppletive verbs, and the paradigm built off the stem.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::mar {

// One row of the irregular-verb table; an absent field means that the rule
// applies. Bases take the agreement endings; the other fields are whole words.
struct LexEntry {
    std::optional<std::string> present;
    std::optional<std::string> perfective;
    std::optional<std::string> subjunctive;
    std::optional<std::array<std::string, 6>> future;      // 1sg, 2sg, 3sg, 1pl, 2pl, 3pl
    std::optional<std::array<std::string, 5>> imperative;  // 2sg, 2pl, 1, 3sg, 3pl
    std::optional<std::string> completive;
    std::optional<std::string> purposive;
    std::optional<std::string> prospective;
};

// A lexicon cell: "-" or empty gives none.
std::optional<std::string> one(std::string_view cell);
// A comma-separated cell of exactly five forms; "-" or any other count gives none.
std::optional<std::array<std::string, 5>> five(std::string_view cell);
// Appends the suffix; a final ा of the base absorbs a leading ा of the suffix.
std::string join(std::string_view base, std::string_view suffix);

namespace lexicon {
// The row of an infinitive (without compound head), if any.
std::optional<LexEntry> find(std::string_view lemma);
// Whether the infinitive (without compound head) is in the list of transitive verbs.
bool transitive(std::string_view lemma);
}  // namespace lexicon

// Failure of the analysis: the text is not a Marathi infinitive.
struct Error {};

enum class Gender { Masculine, Feminine, Neuter };

struct Verb {
    std::string head;        // compound head including its final space, or empty
    std::string infinitive;  // the verb proper, ends in "णे"
    std::string stem;        // infinitive less "णे", never empty
    std::optional<LexEntry> lex;
    // The perfective agrees with the object, not the subject (मी काम केले):
    // a verb of the list of transitive verbs.
    bool transitive = false;
    bool aah = false;  // the stem ends in ाह (पाह, राह, वाह)

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // Each form begins with the compound head. Persons are 1, 2, 3.
    std::string present(int person, Gender gender, bool plural) const;
    std::string perfective(int person, Gender gender, bool plural) const;
    std::string subjunctive(Gender gender, bool plural) const;
    std::string future(int person, bool plural) const;
    std::string imperative(int person, bool plural) const;

    // The stem followed by an ending, with the vowel joining of Marathi.
    std::string attach(std::string_view suffix) const;
};

using Row6 = std::array<std::string, 6>;

struct Table {
    std::string infinitive;
    std::string completive;
    std::string purposive;
    std::string prospective;
    Row6 present_masculine;
    Row6 present_feminine;
    Row6 perfective_masculine;
    Row6 perfective_feminine;
    Row6 subjunctive;
    Row6 future;
    std::array<std::string, 5> imperative;

    static Table build(const Verb& verb);
};

}  // namespace velnor::mar
