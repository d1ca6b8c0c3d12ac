// Ukrainian conjugation: analysis of the infinitive (reflexive ending,
// conjugation class and stem), the lexicon of forms the rules miss, and the
// present, imperative and l-past built from the stem.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::ukr {

// Row slots: present [1sg, 2sg, 3sg, 1pl, 2pl, 3pl], imperative [2sg, 1pl,
// 2pl], past [masc sg, fem sg, neut sg, plural].
inline constexpr std::size_t kRowForms = 13;
inline constexpr std::size_t kImperativeSlot = 6;
inline constexpr std::size_t kPastSlot = 9;

// One lexicon row: each form a view into the built-in lexicon text, or
// absent ("derive by rule").
struct Row {
    std::array<std::optional<std::string_view>, kRowForms> forms;
};

// The lexicon row of a lemma (reflexive ending included), if any.
std::optional<Row> find_row(std::string_view lemma);

// Failure of the analysis: the text is not a Ukrainian infinitive.
struct Error {};

enum class Conjugation { First = 0, Second = 1 };

struct Verb {
    std::string lemma;  // normalised input, reflexive ending included
    std::string base;   // the lemma without "ся"/"сь"
    std::string stem;   // the base without its class ending
    std::array<std::optional<std::string_view>, kRowForms> forms;  // from the row
    bool reflexive = false;
    Conjugation conjugation = Conjugation::First;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // person 0..2; the lexicon form when the row gives one, else the rule.
    std::string present(int person, bool plural) const;
    // gender 0..2 (masculine, feminine, neuter), ignored when plural.
    std::string past(int gender, bool plural) const;
    // slot 0..2 = 2sg, 1pl, 2pl.
    std::string imperative(int slot) const;
};

struct Table {
    std::string infinitive;
    std::array<std::string, 6> present;                  // [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]
    std::array<std::optional<std::string>, 3> imperative; // [2sg, 1pl, 2pl]
    std::array<std::string, 4> past;                     // [masc sg, fem sg, neut sg, plural]

    static Table build(const Verb& verb);
};

}  // namespace velnor::ukr
