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

// How the stem is conjugated where the row gives no form.
enum class Kind : unsigned char {
    Plain,    // the class endings on the stem
    Nu,       // -нути: кину, кинеш; stem without "ути"
    Yi,       // -їти: the ї stays (кою, коїш, кій)
    Ava,      // -давати, -ставати, -знавати: даю, даєш, давай
    VowelYa,  // vowel + -яти: сію, сієш, сій
    Consonant,  // a consonant before -ти: пасу, пасеш, паси, пас
    Family,   // a prefixed verb of a root with its own paradigm
};

// The thirteen forms of a root verb, in row order; prefixed verbs that the
// lexicon does not list take them with their prefix in front.
struct Family {
    std::string_view root;
    std::array<std::string_view, kRowForms> forms;
};

struct Verb {
    std::string lemma;  // normalised input, reflexive ending included
    std::string base;   // the lemma without "ся"/"сь"
    std::string stem;   // the base without its class ending
    std::string present_stem;  // Kind::Consonant: the stem of the present (сохн, тр, товч)
    std::array<std::optional<std::string_view>, kRowForms> forms;  // from the row
    bool reflexive = false;
    Conjugation conjugation = Conjugation::First;
    Kind kind = Kind::Plain;
    const Family* family = nullptr;  // with Kind::Family
    std::string prefix;              // what stands before the family's root
    bool soft_imperative = false;    // Kind::Nu: кинь rather than крикни
    bool zero_imperative = false;    // stem-stressed: виходь, знаходь

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // person 0..2; the lexicon form when the row gives one, else the rule.
    std::string present(int person, bool plural) const;
    // gender 0..2 (masculine, feminine, neuter), ignored when plural.
    std::string past(int gender, bool plural) const;
    // slot 0..2 = 2sg, 1pl, 2pl; none for a verb without an imperative.
    std::optional<std::string> imperative(int slot) const;
};

struct Table {
    std::string infinitive;
    std::array<std::string, 6> present;                  // [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]
    std::array<std::optional<std::string>, 3> imperative; // [2sg, 1pl, 2pl]
    std::array<std::string, 4> past;                     // [masc sg, fem sg, neut sg, plural]

    static Table build(const Verb& verb);
};

}  // namespace velnor::ukr
