// Irish conjugation: analysis of the dictionary lemma (the 2sg imperative),
// the lexicon of principal parts, the synthetic forms of the five stem
// classes, initial lenition and the full seven-slot table.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::gle {

// One lexicon row: each cell a view into the built-in lexicon text, or
// absent ("derive by rule").
struct Row {
    std::optional<std::string_view> prs_base;  // 3sg-analytic present, e.g. "molann"
    std::optional<std::string_view> pst_base;  // past base before lenition
    std::optional<std::string_view> fut_base;
    std::optional<std::string_view> vn;        // verbal noun
    std::optional<std::string_view> ptcp;      // verbal adjective
    std::optional<std::string_view> imp2sg;
    std::optional<std::string_view> imp2pl;
    std::optional<std::string_view> prs_auto;  // present autonomous
};

// The principal parts a verb takes from its row (behind a compound's prefix)
// or from the rules of its class; an absent part is left to the class endings.
struct Parts {
    std::optional<std::string> prs_base;
    std::optional<std::string> pst_base;
    std::optional<std::string> fut_base;
    std::optional<std::string> vn;
    std::optional<std::string> ptcp;
    std::optional<std::string> imp2sg;
    std::optional<std::string> imp2pl;
    std::optional<std::string> prs_auto;
};

// The lexicon row of a lemma (exact match), if it has one.
std::optional<Row> find_row(std::string_view lemma);

// True when the last of the vowels a o u á ó ú / e i é í of the word is broad;
// a word without any of them counts as broad.
bool broad_final(std::string_view word) noexcept;

// Failure of the analysis: the text is not an Irish verb.
struct Error {};

// Tense codes.
enum Tense : int { Present = 0, Past = 1, PastHabitual = 2, Future = 3, Conditional = 4, Imperative = 5, Subjunctive = 6 };
// Person codes: the base (used with a pronoun, and for the 3sg), five
// persons and the autonomous form.
enum Person : int { Base = 0, Sg1 = 1, Sg2 = 2, Pl1 = 3, Pl2 = 4, Pl3 = 5, Autonomous = 6 };

struct Verb {
    std::string lemma;  // lower-cased, trimmed input
    std::string stem;   // what the class endings attach to
    Parts row;          // all absent when neither a lexicon row nor a rule class gives a part
    int cls = 0;        // 0 broad 1st, 1 slender 1st, 2 broad 2nd, 3 slender 2nd, 4 vowel-final

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // One synthetic form before lenition, or nothing when the person is
    // expressed analytically in this tense.
    std::optional<std::string> form(int tense, int person) const;

    // Initial lenition (séimhiú), with d' before a vowel or an f.
    static std::string lenite(std::string_view word);
};

// Seven slots: 1sg, 2sg, 3sg, 1pl, 2pl, 3pl, autonomous.
using Row7 = std::array<std::optional<std::string>, 7>;

struct Table {
    std::string lemma;
    std::string verbal_noun;
    std::string verbal_adjective;
    Row7 present;
    Row7 past;
    Row7 past_habitual;
    Row7 future;
    Row7 conditional;
    Row7 imperative;
    Row7 subjunctive;

    static Row7 row(const Verb& verb, int tense);
    static Table build(const Verb& verb);
};

}  // namespace velnor::gle
