// Catalan conjugation: regular verbs by their ending (-ar, -er/-re, pure -ir,
// inchoative -ir), irregular ones and their prefixed derivatives from the
// built-in lexicon data/cat.tsv.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::cat {

enum class Error : std::uint8_t { Unsupported = 0, NotAVerb = 1 };

enum class Person : std::uint8_t { First = 0, Second = 1, Third = 2 };
enum class Number : std::uint8_t { Singular = 0, Plural = 1 };
enum class Tense : std::uint8_t {
    Present = 0,
    Imperfect = 1,
    Preterite = 2,
    Future = 3,
    Conditional = 4,
    SubjunctivePresent = 5,
    SubjunctiveImperfect = 6,
};

// Conjugations, by the infinitive's ending.
inline constexpr std::uint8_t FIRST = 0;       // -ar
inline constexpr std::uint8_t SECOND = 1;      // -er, -re
inline constexpr std::uint8_t THIRD_PURE = 2;  // -ir without -eix-
inline constexpr std::uint8_t THIRD_INCH = 3;  // -ir with -eix-

using Six = std::array<std::string_view, 6>;

// One lexicon row. The views point into the embedded lexicon text, which
// lives as long as the process; a field that the row leaves to the rules is
// empty (none).
struct LexEntry {
    std::optional<Six> pres, impf, pret, subjpres, subjimpf;
    std::optional<std::string_view> fut_stem, pp, ger, imp2, ppf, imp2pl;
};

// The row that a lower-cased infinitive (without its reflexive ending) takes
// its irregular forms from: the longest lemma that is the whole word or, for
// rows not marked exact-only, the end of it; of equally long lemmas the first
// in the text. Returns none when no row matches, else the row and sets
// `lemma_length` (bytes).
std::optional<LexEntry> lookup(std::string_view word, std::size_t& lemma_length);

struct Verb {
    std::string infinitive;  // lower case, trimmed, without the reflexive ending
    std::string stem;        // the infinitive without its two-letter ending
    std::string prefix;      // what stands before the lexicon lemma
    std::optional<LexEntry> entry;
    bool reflexive = false;
    std::uint8_t conjugation = FIRST;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    std::string future_stem() const;
    // Joins a stem and an ending; the spelling of the stem's last consonant
    // is kept before a front vowel only in the first conjugation.
    static std::string attach(std::string_view stem, std::string_view ending, bool first_conjugation);
    std::string regular_form(Tense tense, int slot) const;
    // The form without a reflexive pronoun (lexicon first, then the rules).
    std::string plain(Tense tense, Person person, Number number) const;
    // The finished form, with the pronoun of a reflexive verb.
    std::string conjugate(Tense tense, Person person, Number number) const;
};

struct Table {
    std::string infinitive;
    std::string gerund;
    std::string past_participle;
    std::array<std::string, 6> present;
    std::array<std::string, 6> imperfect;
    std::array<std::string, 6> preterite;
    std::array<std::string, 6> future;
    std::array<std::string, 6> conditional;
    std::array<std::string, 6> subjunctive_present;
    std::array<std::string, 6> subjunctive_imperfect;
    std::array<std::optional<std::string>, 5> imperative;  // tu, vostè, nosaltres, vosaltres, vostès

    static Table build(const Verb& verb);
};

}  // namespace velnor::cat
