// English conjugation: lemma analysis, the lexicon of irregular and
// spelling-sensitive forms, the spelling rules for regular forms, and the
// full table with its analytic tenses.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::eng {

// One lexicon row: the forms that the rules cannot derive, each a view into
// the built-in lexicon text, or empty ("derive by rule").
struct Row {
    std::optional<std::string_view> past;
    std::optional<std::string_view> past_participle;
    std::optional<std::string_view> present_participle;
    std::optional<std::string_view> third_singular;
};

// The lexicon row of a lemma (case-sensitive), if it has one.
std::optional<Row> find_row(std::string_view lemma);

// Failure of the analysis: the text is not an English infinitive.
struct Error {};

// The non-finite forms that `Verb::form` builds.
enum class Form { PastParticiple, PresentParticiple, ThirdSingular };

struct Verb {
    std::string lemma;
    std::optional<std::string> past;
    std::optional<std::string> past_participle;
    std::optional<std::string> present_participle;
    std::optional<std::string> third_singular;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // The past built by rule from the lemma (never doubles a consonant).
    std::string regular_past() const;
    // One non-finite form: the lexicon's when the verb has it, else the rule.
    std::string form(Form which) const;
};

using Row6 = std::array<std::string, 6>;  // [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]

struct Table {
    std::string infinitive;
    std::string past;
    std::string past_participle;
    std::string present_participle;
    std::string third_singular;
    Row6 present_row;
    Row6 past_row;
    Row6 present_perfect_row;
    Row6 past_perfect_row;
    Row6 future_row;
    Row6 future_perfect_row;

    static Table build(const Verb& verb);
};

}  // namespace velnor::eng
