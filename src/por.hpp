// Portuguese conjugation: regular verbs by rule, irregular bases from the
// built-in irregular lexicon, stem-alternating verbs from the stem-class list.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::por {

enum class Error : std::uint8_t { Unsupported = 0, NotAVerb = 1 };

enum class StemClass : std::uint8_t { Ei = 0, I = 1, U = 2, Uo = 3, Iw = 4, AccI = 5, AccU = 6, Oi = 7 };

enum class Tense : std::uint8_t {
    Present = 0,
    Imperfect,
    Preterite,
    Pluperfect,
    Future,
    Conditional,
    SubjunctivePresent,
    SubjunctiveImperfect,
    SubjunctiveFuture,
};

enum class Person : std::uint8_t { First = 0, Second = 1, Third = 2 };
enum class Number : std::uint8_t { Singular = 0, Plural = 1 };

using Six = std::array<std::string_view, 6>;

// One row of the irregular lexicon, with views into the built-in text.
struct LexEntry {
    Six pres;
    Six subj6;
    Six pret6;
    std::optional<std::string_view> fut_stem;
    std::optional<std::string_view> pp;
    std::optional<Six> impf6;
    std::optional<std::string_view> ger;
    std::optional<std::string_view> imp2sg;
    std::optional<std::string_view> inf_base;
};

namespace parse_lex {
// Splits a comma cell into exactly six forms; any other count is fatal.
Six six(std::string_view cell);
}  // namespace parse_lex

// Maps a stem-class text of the class list to its class.
std::optional<StemClass> stem_class_from_text(std::string_view text) noexcept;

// The text with the last occurrence of `character` replaced.
std::string replace_last(std::string_view text, std::string_view character, std::string_view replacement);

struct Verb {
    std::string infinitive;
    std::string stem;
    std::string prefix;
    std::optional<LexEntry> lex;    // the matched irregular row, if any
    std::uint8_t conjugation = 0;   // 0 -ar, 1 -er/-or/-ôr, 2 -ir
    std::optional<StemClass> stem_class;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // Joins a stem and an ending with the spelling adjustments of the
    // conjugation (c/qu, g/gu, ç/c, g/j, hiatus accent).
    static std::string attach(std::uint8_t conjugation, std::string_view stem, std::string_view ending);

    std::string present_stem(int slot, bool subjunctive) const;
    std::string conjugate(Tense tense, Person person, Number number) const;
    std::string conjugate(Tense tense, int slot) const;
    std::string past_participle() const;
    std::string personal_infinitive(Person person, Number number) const;
    std::string personal_infinitive(int slot) const;
    std::string gerund() const;

private:
    std::string conjugate_lex(Tense tense, int slot) const;
    std::string conjugate_regular(Tense tense, int slot) const;
};

using Row = std::array<std::string, 6>;

struct Table {
    std::string infinitive;
    std::string gerund;
    std::string past_participle;
    std::array<std::optional<std::string>, 5> imperative;
    Row personal_infinitive;
    Row present;
    Row imperfect;
    Row preterite;
    Row pluperfect;
    Row future;
    Row conditional;
    Row subjunctive_present;
    Row subjunctive_imperfect;
    Row subjunctive_future;
    Row perfeito_composto;
    Row mais_que_perfeito_composto;
    Row futuro_composto;
    Row condicional_composto;
    Row conjuntivo_perfeito;
    Row conjuntivo_mais_que_perfeito;

    static Table build(const Verb& verb);
};

// Irregular-lexicon lookup: the matching row and the prefix in front of its
// lemma (exact match, or the longest of the suffix bases ending the word).
struct LexMatch {
    LexEntry entry;
    std::string_view prefix;
};
std::optional<LexMatch> find_irregular(std::string_view infinitive);

// Stem-class lookup by exact lemma.
std::optional<StemClass> find_stem_class(std::string_view infinitive);

}  // namespace velnor::por
