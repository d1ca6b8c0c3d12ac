// Gujarati conjugation: analysis of an infinitive in -વું (with an optional
// compound head such as "કામ " in કામ કરવું), the table of irregular verbs,
// and the paradigm built off the stem.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::guj {

using Row5 = std::array<std::string, 5>;
using Row4 = std::array<std::string, 4>;

// One row of the irregular-verb table; an absent field means that the rule
// applies. Every form is a whole word without the compound head.
struct LexEntry {
    std::optional<Row5> present;     // 1sg, 2sg, 3, 1pl, 2pl
    std::optional<Row5> future;      // 1sg, 2sg, 3, 1pl, 2pl
    std::optional<Row5> perfective;  // masc sg, masc pl, fem, neut sg, neut pl
    std::optional<Row4> imperative;  // 2sg, 2pl, polite sg, polite pl
    std::optional<std::string> conjunctive;
};

// A lexicon cell: "-" or empty gives none.
std::optional<std::string> one(std::string_view cell);
// A comma-separated cell of exactly five (four) forms; "-" or any other count gives none.
std::optional<Row5> five(std::string_view cell);
std::optional<Row4> four(std::string_view cell);

namespace lexicon {
// The row of an infinitive (without compound head), if any.
std::optional<LexEntry> find(std::string_view lemma);
}  // namespace lexicon

// Failure of the analysis: the text is not a Gujarati infinitive.
struct Error {};

enum class Gender { Masculine, Feminine, Neuter };

struct Verb {
    std::string head;        // compound head including its final space, or empty
    std::string infinitive;  // the verb proper, ends in "વું"
    std::string stem;        // infinitive less "વું", never empty
    std::optional<LexEntry> lex;
    bool vowel_final = false;
    // A stem in -હે after a letter (રહે, કહે, વહે): its ે falls before an
    // ending that brings a vowel of its own (રહું, રહ્યો, રહી) and stays
    // before the others (રહે, રહેશે, રહેજે, રહેતો). The stem less that ે,
    // else empty.
    std::string short_stem;
    // The head in each participle agreement (masc sg, masc pl, fem, neut
    // sg, neut pl): the same five times but where the head is a participle
    // that agrees with જવું (ચાલ્યો જવું: ચાલી ગઈ, ચાલ્યા જઈએ).
    std::array<std::string, 5> heads;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // Each form begins with the compound head. Persons are 1, 2, 3; the
    // third person does not split singular from plural.
    std::string present(int person, bool plural) const;
    std::string future(int person, bool plural) const;
    std::string imperative(int slot) const;
    std::string perfective(Gender gender, bool plural) const;
    std::string imperfective(Gender gender, bool plural) const;
    std::string conjunctive() const;
    std::string analytic(int person, bool plural) const;

   private:
    // The stem before an ending that opens with a vowel, and whether that
    // stem ends in a vowel.
    std::string_view base() const { return short_stem.empty() ? std::string_view(stem) : std::string_view(short_stem); }
    bool vowel_ending() const { return vowel_final && short_stem.empty(); }
};

struct Table {
    std::string infinitive;
    std::string verbal_noun;
    std::string conjunctive;
    std::string consecutive;
    Row5 present;
    Row5 future;
    Row4 imperative;
    Row5 perfective;
    Row5 imperfective;
    Row5 present_progressive;

    static Table build(const Verb& verb);
};

}  // namespace velnor::guj
