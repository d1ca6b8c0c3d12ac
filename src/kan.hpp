// Kannada conjugation: a citation root (ಮಾಡು, ಮೀ) gives three tense stems,
// the past third person singular neuter and the plural imperative by rule,
// with a small lexicon of irregular stems overriding the rule; the table
// adds the ten person-gender endings of each tense.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::kan {

// Failure of the analysis: the text is not a Kannada verb root.
struct Error {};

enum class Person { First, Second, Third };
enum class Number { Singular, Plural };
enum class Gender { Masculine, Feminine, Neuter };

// One lexicon row; an absent cell leaves the stem to the rule.
struct LexEntry {
    std::optional<std::string_view> past_stem;
    std::optional<std::string_view> past_3sg_neut;
    std::optional<std::string_view> prs_stem;
    std::optional<std::string_view> fut_stem;
    std::optional<std::string_view> imp_pl;  // a suppletive plural imperative (ಬನ್ನಿ)
    std::optional<std::string_view> imp_sg;  // a singular imperative that is not the root (ಬಾ)
};

namespace lexicon {
// The irregular stems of a root, when the lexicon has a row for it.
std::optional<LexEntry> find(std::string_view lemma);
}  // namespace lexicon

struct Verb {
    std::string root;
    std::string past_stem;
    std::string past_3sg_neut;
    std::string prs_stem;
    std::string fut_stem;
    std::string imp_sg;
    std::string imp_pl;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // One finite form; tense 0 past, 1 present, 2 future.
    std::string form(int tense, Person person, Number number, Gender gender) const;
};

// [1sg, 2sg, 3sg m, 3sg f, 3sg n, 1pl, 2pl, 3pl m, 3pl f, 3pl n]
using Row = std::array<std::string, 10>;

struct Table {
    std::string infinitive;
    Row past;
    Row present;
    Row future;
    std::array<std::string, 2> imperative;  // [2sg, 2pl]

    static Table build(const Verb& verb);
};

}  // namespace velnor::kan
