// Finnish conjugation: analysis of the input, the principal-parts lexicon,
// vowel harmony, the type-I stem rules and the full table with the analytic
// perfect and pluperfect.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::fin {

// The twelve lexicon cells, in lexicon column order (columns 2 to 13).
enum Cell : int {
    P1sg, P3sg, Pst1sg, Pst3sg, Nut, PassPrs, PassPst, Imp2sg, P3pl, Imp2pl, Cond3sg, Pot3sg, CellCount
};

// One lexicon row: twelve optional cells (absent = derive by rule).
struct Row {
    std::array<std::optional<std::string>, CellCount> cells;
};

// The lexicon row of a lemma, if the lemma is listed.
std::optional<Row> find_row(std::string_view lemma);

// Failure of the analysis: the text is not a Finnish infinitive.
struct Error {};

enum class Mood { Present = 0, Past = 1, Conditional = 2, Potential = 3 };
enum class Person { First = 0, Second = 1, Third = 2 };

struct Verb {
    std::string lemma;
    std::array<std::optional<std::string>, CellCount> cells;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    const std::optional<std::string>& cell(Cell c) const { return cells[c]; }

    std::string h(std::string_view back, std::string_view front) const;
    // Back or front by the stem's own last harmonic vowel, else by h().
    std::string h_of(std::string_view stem, std::string_view back, std::string_view front) const;
    std::string nut() const;
    std::string weak() const;
    std::string strong() const;
    std::string active(Mood mood, Person person, bool plural) const;

    std::string pass_pst() const;
    std::string pass_base() const;
    std::string passive(Mood mood) const;
    std::string participle(bool past, bool passive) const;
    std::optional<std::string> imperative(Person person, bool plural) const;
    // A verb whose row marks its first person "—" (U+2014): only the forms its
    // row gives are in use (tuta).
    bool defective() const;

private:
    std::string lengthened() const;
    std::string past_stem() const;
    std::string conditional_stem() const;
    std::string potential_stem() const;
    std::string potential_3pl_ending() const;
};

using Row6 = std::array<std::string, 6>;  // [minä, sinä, hän, me, te, he]

// Auxiliary row + " " + participle; the plural slots take the plural
// participle (-neet).
Row6 perfect_row(const Row6& aux, const std::string& nut);

struct Table {
    std::string infinitive;
    Row6 present;
    Row6 past;
    Row6 conditional;
    Row6 potential;
    std::array<std::optional<std::string>, 5> imperative;  // 2sg, 3sg, 1pl, 2pl, 3pl
    std::string present_passive;
    std::string past_passive;
    std::string conditional_passive;
    std::string potential_passive;
    std::string imperative_passive;
    std::string present_participle;
    std::string past_participle;
    std::string present_passive_participle;
    std::string past_passive_participle;
    Row6 perfekti;
    Row6 pluskvamperfekti;

    static Table build(const Verb& verb);
};

}  // namespace velnor::fin
