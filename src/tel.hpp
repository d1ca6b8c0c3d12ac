// Telugu conjugation: analysis of a verb root in ు into its three tense
// stems (past, present durative, future), the built-in table of irregular
// stems, and the finite paradigm in eight person-number-gender slots.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::tel {

// One row of the irregular-stem table; an absent field falls through to the rule.
struct LexEntry {
    std::optional<std::string> past_stem;
    std::optional<std::string> past_3sg_nonmasc;
    std::optional<std::string> prs_stem;
    std::optional<std::string> fut_stem;
    std::optional<std::string> fut_3sg_nonmasc;
    std::optional<std::string> imp_sg;  // an imperative that is not the root (లే, తే)
    std::optional<std::string> imp_pl;
};

// A lexicon cell: empty or "-" gives none.
std::optional<std::string> opt(std::string_view cell);

namespace lexicon {
// The row of a root, if any.
std::optional<LexEntry> find(std::string_view root);
}  // namespace lexicon

// Failure of the analysis: the text is not a Telugu verb root.
struct Error {};

enum class Person { First, Second, Third };
enum class Number { Singular, Plural };
enum class Gender { Masculine, NonMasculine };

struct Verb {
    std::string root;              // trimmed citation form, ends in ు
    std::string past_stem;
    std::string past_3sg_nonmasc;  // whole form
    std::string prs_stem;          // present durative
    std::string fut_stem;
    std::string fut_3sg_nonmasc;   // whole form
    std::string imp_sg;            // whole form, the root for most verbs
    std::string imp_pl;            // whole form

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // Tense 0 past, 1 present durative, 2 future.
    std::string form(int tense, Person person, Number number, Gender gender) const;
};

using Row8 = std::array<std::string, 8>;

struct Table {
    std::string infinitive;
    Row8 past;
    Row8 present_durative;
    Row8 future;
    std::array<std::string, 2> imperative;  // 2sg, 2pl

    static Table build(const Verb& verb);
};

}  // namespace velnor::tel
