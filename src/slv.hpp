// Slovenian conjugation: lemma analysis, the class and row lexicons, the
// present with the dual, the imperative, the l-participles, the supine and
// the compound tenses built with auxiliaries.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::slv {

// The conjugation class: it decides the stem, the present theme and the
// derived imperative.
enum class Class : std::uint8_t { A = 0, I = 1, Uje = 2, Ne = 3 };

// Indices of the thirteen forms of a lexicon row.
enum Field : std::size_t {
    Sg1 = 0, Sg2, Sg3, Du1, Du2, Du3, Pl1, Pl2, Pl3,
    Imp2Sg = 9,
    LPtcp = 10,      // masculine singular l-participle
    Supine = 11,
    LPtcpFem = 12,   // feminine singular l-participle
    FieldCount = 13,
};

// One row of the row lexicon; each form is a view into the built-in text
// (which lives for the process), or absent ("derive by rule").
struct Row {
    std::array<std::optional<std::string_view>, FieldCount> form{};
};

// The lexicon row of a lemma, if it has one.
std::optional<Row> find_row(std::string_view lemma);
// The class that the class lexicon names for a lemma, if any.
std::optional<Class> find_class(std::string_view lemma);

// Failure of the analysis: the text is not a Slovenian infinitive.
struct Error {};

using Row9 = std::array<std::string, 9>;  // [sg1, sg2, sg3, du1, du2, du3, pl1, pl2, pl3]

// A root whose prefixed verbs share its forms (po+reči: porečem, porekel).
struct Family {
    std::string_view root;
    std::string_view sg1;      // the first singular present; the theme is it without -m
    std::string_view imp2sg;   // "\u2014" when the verb has no imperative
    std::string_view lptcp;    // masculine singular l-participle
    std::string_view lptcp_f;  // feminine singular l-participle
};

struct Verb {
    std::string lemma;
    // The lemma whose class, row and family the verb takes: the lemma
    // itself, or the -reti verb of which it is the -rti spelling (podprti:
    // podpreti).
    std::string base;
    Row row;  // all absent when the lemma has no row
    Class cls = Class::I;
    const Family* family = nullptr;  // for a lemma without a row
    std::string prefix;              // what stands before the family's root

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    std::string stem() const;
    // person 0..2, number 0..2 (singular, dual, plural).
    std::string present(int person, int number) const;
    // None for the first person singular.
    std::optional<std::string> imperative(int person, int number) const;
    // gender 0..2 (masculine, feminine, neuter), number 0..2.
    std::string participle(int gender, int number) const;
    std::string supine() const;
};

// Auxiliary k, a space and the masculine l-participle of slot k's number.
Row9 analytic_row(const std::array<std::string_view, 9>& auxiliary, const Verb& verb);

struct Table {
    std::string infinitive;
    std::string supine;
    Row9 present;
    std::array<std::optional<std::string>, 5> imperative;  // [2sg, 1du, 2du, 1pl, 2pl]
    Row9 participle;  // [m, f, n] x [sg, du, pl]
    Row9 preteklik;
    Row9 prihodnjik;
    Row9 pogojnik;

    static Table build(const Verb& verb);
};

}  // namespace velnor::slv
