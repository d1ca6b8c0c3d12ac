// Icelandic conjugation: analysis of an infinitive, the lexicon of strong and
// irregular verbs (matched to the longest lemma that ends the input, so a
// prefixed verb takes its base's forms), the rules of the weak classes (past
// in -aði, and past in -ði/-di/-ti where the ending decides), and the
// synthetic active table.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::isl {

using Six = std::array<std::string, 6>;  // [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]

enum class Person { First = 0, Second = 1, Third = 2 };
enum class Number { Singular = 0, Plural = 1 };

// Tense index: 0 present, 1 past, 2 present subjunctive, 3 past subjunctive.
enum class Tense { Present = 0, Past = 1, SubjunctivePresent = 2, SubjunctivePast = 3 };

// One lexicon row, forms of the row's own lemma (without any prefix).
struct LexEntry {
    std::optional<Six> present;
    std::optional<Six> past;
    std::optional<Six> subjunctive_present;
    std::optional<Six> subjunctive_past;
    std::optional<std::string> supine;
    std::optional<std::string> present_participle;
    std::optional<std::string> imperative_singular;
    std::optional<std::string> imperative_plural;
};

// A tense cell: "-" gives none; otherwise exactly six comma-separated forms,
// any other count gives none.
std::optional<Six> six(std::string_view cell);
// A single-form cell: "-" gives none; anything else (even empty) is the form.
std::optional<std::string> opt(std::string_view cell);

// Failure of the analysis: the text is not an Icelandic infinitive.
struct Error {};

struct Verb {
    std::string infinitive;  // trimmed input, case kept
    std::string stem;        // infinitive without a final "a"
    std::string prefix;      // input in front of the matched lexicon lemma
    std::optional<LexEntry> entry;
    // A middle-voice infinitive (-st) whose active verb (the input without
    // "st") was analysed instead: the stem, prefix and entry are the active
    // verb's, and the table is the active one turned into the middle voice.
    bool middle = false;
    // A verb without a row whose ending puts it in the weak class with an
    // i-present (strengja: strengi, strengdi, strengt): its past first
    // singular and its supine; empty for the -aði class.
    std::string weak_past;
    std::string weak_supine;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // One finite form: the entry's (prefixed) when it has the tense, else the rule.
    static std::string conjugate(const Verb& verb, Tense tense, Person person, Number number);
    // The rule form of the weak class with past in -aði, with u-umlaut (and
    // no j before i after g, k or a vowel: eggið, endurnýið).
    static std::string regular_form(std::string_view stem, Tense tense, std::size_t slot);
};

struct Table {
    std::string infinitive;
    std::string supine;
    std::string present_participle;
    std::array<std::optional<std::string>, 2> imperative;  // [þú, þið]
    Six present;
    Six past;
    Six subjunctive_present;
    Six subjunctive_past;

    static Table build(const Verb& verb);
};

}  // namespace velnor::isl
