// Italian conjugation: regular verbs by rule, irregular verbs and their
// prefixed families from the irregular lexicon, -isc- and stressed-i classes
// from the class list, strong passato remoto and participles from the
// strong-verb list, auxiliaries from the auxiliary list.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::ita {

enum class Error : std::uint8_t { Unsupported = 0, NotAVerb = 1 };

// Class-list values: Plain (-ire without -isc-), Ii (stressed i kept before
// the endings "i" and "ino"), Etti (-etti passato remoto).
enum class Class : std::uint8_t { Plain = 0, Ii = 1, Etti = 2 };

enum class Tense : std::uint8_t {
    Present = 0,
    Imperfect = 1,
    PastHistoric = 2,
    Future = 3,
    Conditional = 4,
    SubjunctivePresent = 5,
    SubjunctiveImperfect = 6,
};

enum class Person : std::uint8_t { First = 0, Second = 1, Third = 2 };
enum class Number : std::uint8_t { Singular = 0, Plural = 1 };

using Six = std::array<std::string, 6>;

// One parsed row of the irregular lexicon; absent cells are left to the rules.
struct LexEntry {
    Six pres;
    Six subj6;
    Six pr6;
    std::optional<std::string> fut_stem;
    std::optional<std::string> pp;
    std::optional<Six> impf6;
    std::optional<std::string> ger;
    std::optional<std::string> imp2;
};

// Splits a comma cell into its six forms; a fatal error otherwise.
Six parse_lex_six(std::string_view cell);

// The auxiliary text of a lemma ("essere", "essere/avere"), or "avere".
std::string_view auxiliary(std::string_view infinitive);

// Passato remoto 1sg and past participle from the strong-verb list, each
// with the letters before the matched lemma in front ("" where the list has
// no form).
struct Strong {
    std::string past;
    std::string participle;
};

struct Verb {
    std::string infinitive;
    std::string stem;
    std::string prefix;
    std::optional<Strong> strong;
    std::optional<LexEntry> lex;
    std::uint8_t conjugation = 0;  // 0 -are, 1 -ere (and -rre), 2 -ire
    std::optional<Class> cls;

    static velnor::Expected<Verb, Error> from_infinitive(std::string_view text);

    static std::string attach(std::uint8_t conjugation, std::optional<Class> cls, std::string_view stem,
                              std::string_view ending);
    std::string future_stem() const;
    std::string conjugate(Tense tense, Person person, Number number) const;
    std::string past_participle() const;
};

struct Table {
    std::string infinitive;
    std::string auxiliary;
    std::string gerund;
    std::string present_participle;
    std::string past_participle;
    std::array<std::optional<std::string>, 5> imperative;
    Six present;
    Six imperfect;
    Six past_historic;
    Six future;
    Six conditional;
    Six subjunctive_present;
    Six subjunctive_imperfect;
    Six passato_prossimo;
    Six trapassato_prossimo;
    Six futuro_anteriore;
    Six condizionale_passato;
    Six congiuntivo_passato;
    Six congiuntivo_trapassato;

    static Table build(const Verb& verb);
};

}  // namespace velnor::ita
