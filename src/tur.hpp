// Turkish conjugation: infinitive analysis, the lexicon of irregular tense
// bases, vowel harmony and the affirmative table.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::tur {

// One lexicon row: the third-singular base of each tense (also the
// 3sg form) and the two imperatives, absent where the rule applies. The
// cells are views into the built-in lexicon text, which lives for the
// process.
struct Row {
    std::optional<std::string_view> aorist;
    std::optional<std::string_view> progressive;
    std::optional<std::string_view> future;
    std::optional<std::string_view> past;
    std::optional<std::string_view> evidential;
    std::optional<std::string_view> necessitative;
    std::optional<std::string_view> imp_sg;
    std::optional<std::string_view> imp_pl;
};

namespace rows {
// The row of a whole infinitive (byte for byte), if any.
std::optional<Row> find(std::string_view infinitive);
}  // namespace rows

// Two-way harmony vowel ("a" or "e") of a text.
char32_t two(std::string_view text) noexcept;
// Four-way harmony vowel ("ı", "i", "u" or "ü") of a text.
char32_t four(std::string_view text) noexcept;
// Joins a vowel-initial suffix: a final k softens to ğ, a final vowel takes
// the buffer y.
std::string add_vowel(std::string_view base, char32_t vowel, std::string_view suffix);
// The same without the softening.
std::string add_vowel_stem(std::string_view base, char32_t vowel, std::string_view suffix);

// The failure of the analysis: not a Turkish infinitive.
struct Error {};

enum class Person { First = 0, Second = 1, Third = 2 };
enum class Number { Singular = 0, Plural = 1 };
enum class Tense { Aorist, Progressive, Future, Past, Evidential, Necessitative };

using Row6 = std::array<std::string, 6>;  // [ben, sen, o, biz, siz, onlar]

// The two personal-ending sets: set 1 (copula endings) and set 2 (past).
Row6 set1(std::string_view base);
Row6 set2(std::string_view base);

struct Verb {
    std::string infinitive;
    std::string stem;
    // The noun of an unlisted compound with etmek ("bahş" of bahşetmek):
    // the row is then etmek's, and each of its cells follows this noun.
    std::string noun;
    Row row;

    // A cell of the row, after the compound's noun.
    std::optional<std::string> cell(std::optional<std::string_view> Row::*field) const;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    std::string aorist_base() const;
    std::string progressive_base() const;
    std::string future_base() const;
    std::string evidential_base() const;
    std::string past_base() const;
    std::string necessitative_base() const;

    // One affirmative form.
    std::string form(Tense tense, Person person, Number number) const;
};

struct Table {
    std::string infinitive;
    Row6 aorist;
    Row6 progressive;
    Row6 future;
    Row6 past;
    Row6 evidential;
    Row6 necessitative;
    std::array<std::string, 2> imperative;  // [2sg, 2pl]

    static Table build(const Verb& verb);
};

}  // namespace velnor::tur
