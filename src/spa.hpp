// Spanish conjugation: analysis of an infinitive (reflexive "se" included),
// the irregular lexicon and the stem-class list, the spelling rules of stem
// and ending, and the full table of simple and compound tenses, imperative,
// gerund and participle.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expected.hpp"

namespace velnor::spa {

enum class Error : std::uint8_t { Unsupported = 0, NotAVerb = 1 };

enum class StemClass : std::uint8_t { Ie = 0, Ue = 1, Ei = 2, AccI = 3, AccU = 4, Ien = 5 };

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
    SubjunctiveFuture = 7,
};

// Slot of a six-form row: yo, tú, él/ella, nosotros, vosotros, ellos/ellas.
constexpr int slot_of(Person p, Number n) { return static_cast<int>(p) + 3 * static_cast<int>(n); }

// The eleven letters that count as vowels: "aeiouáéíóúü".
bool is_vowel(char32_t c) noexcept;

// One row of the irregular lexicon. The cells are views into the built-in
// text, which lives as long as the process.
struct LexEntry {
    std::array<std::string_view, 6> pres;
    std::string_view subj;  // a stem, or six comma-separated forms
    std::array<std::string_view, 6> subj6;  // the six forms when `subj` has commas
    bool subj_split = false;
    std::string_view pp;
    std::optional<std::string_view> pret1, fut_stem, ger, imp2sg;
    std::optional<std::array<std::string_view, 6>> impf6, pret6;
};

// Parses one lexicon row (15 cells; cells 11 to 14 may be missing).
LexEntry parse_lex(std::string_view line);

// The text with its last character that is one of `chars` replaced by
// `replacement`; unchanged when none occurs.
std::string replace_last(std::string_view text, std::u32string_view chars, std::string_view replacement);

struct Verb {
    std::string infinitive;  // lower-cased, trimmed, without reflexive "se"
    std::string stem;        // infinitive without its ending, prefix included
    std::string prefix;      // in front of the matched irregular base
    std::optional<LexEntry> lex;
    bool reflexive = false;
    std::uint8_t conjugation = 0;  // 0 -ar, 1 -er, 2 -ir / -ír
    std::optional<StemClass> stem_class;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    std::string attach_stem(std::string_view stem, std::string_view ending) const;
    std::string attach(std::string_view ending) const { return attach_stem(stem, ending); }
    std::string attach_slot(Tense tense, int slot, std::string_view ending) const;

    std::string regular_form(Tense tense, int slot) const;
    std::string plain(Tense tense, Person person, Number number) const;
    std::string conjugate(Tense tense, Person person, Number number) const;

    std::string past_participle() const;
    std::string gerund() const;
    std::optional<std::string> imperative(Person person, Number number) const;

private:
    std::string plain_slot(Tense tense, int slot) const;
    std::string compute_stressed_stem() const;
    std::string compute_raised_stem() const;

    // Worked out once by from_infinitive.
    std::string stressed_;
    std::string raised_;
    std::string future_base_;
};

namespace encliticize {

struct Nucleus {
    std::size_t pos;  // byte position of the vowel
    char32_t vowel;
};

std::vector<Nucleus> nuclei(std::string_view word);

// `joined` (the bare form `bare` with its pronoun attached), with the written
// accent that keeps the stress of the bare form.
std::string join(std::string_view bare, std::string_view joined);

}  // namespace encliticize

struct Table {
    std::string infinitive;
    std::string gerund;
    std::string past_participle;
    std::array<std::optional<std::string>, 5> imperative;  // tú, usted, nosotros, vosotros, ustedes
    std::array<std::string, 6> present, imperfect, preterite, future, conditional, subjunctive_present,
        subjunctive_imperfect, subjunctive_future;
    std::array<std::string, 6> perfecto_compuesto, pluscuamperfecto, preterito_anterior, futuro_perfecto,
        condicional_perfecto, subjuntivo_perfecto, subjuntivo_pluscuamperfecto;

    static Table build(const Verb& verb);
};

}  // namespace velnor::spa
