// Estonian conjugation: analysis of the ma-infinitive, the lexicon of forms
// that the rules cannot derive, and the full table with the analytic
// perfect and pluperfect built on "olema".
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::est {

// The twelve lexicon cells, in lexicon column order (columns 2 to 13).
enum Cell : int {
    P1sg, P3sg, Da, Pst1sg, Nud, Tud, Imp2sg, Gu, Takse, Pst3sg, PrsPart, P3pl, CellCount
};

// One lexicon row: twelve optional cells (absent = derive by rule).
struct Row {
    std::array<std::optional<std::string>, CellCount> cells;
};

// The lexicon row of a lemma (exact, byte-for-byte), if any.
std::optional<Row> find_row(std::string_view lemma);

// Failure of the analysis: the text is not a ma-infinitive.
struct Error {};

enum class Person { First = 0, Second = 1, Third = 2 };
enum class Nonfinite { DaInfinitive, PresentParticiple, NudParticiple };

struct Verb {
    std::string infinitive;
    std::array<std::optional<std::string>, CellCount> cells;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    const std::optional<std::string>& cell(Cell c) const { return cells[c]; }

    std::string_view stem() const;  // the infinitive without "ma"
    std::string weak() const;
    std::string tud() const;
    std::string t_base() const;

    std::string present(Person person, bool plural) const;
    std::string past(Person person, bool plural) const;
    std::string conditional(Person person, bool plural) const;
    std::optional<std::string> imperative(Person person, bool plural) const;
    std::string impersonal(bool past) const;
    std::string nonfinite(Nonfinite form) const;
    std::string gu() const;

private:
    std::string past_base() const;
};

using Row6 = std::array<std::string, 6>;  // [ma, sa, ta, me, te, nad]

struct Table {
    std::string infinitive;
    std::string da_infinitive;
    Row6 present;
    Row6 past;
    Row6 conditional;
    std::array<std::optional<std::string>, 4> imperative;  // 2sg, 3sg, 1pl, 2pl
    std::string present_impersonal;
    std::string past_impersonal;
    std::string quotative;
    std::string present_participle;
    std::string nud_participle;
    std::string tud_participle;
    Row6 perfect;
    Row6 pluperfect;

    static Table build(const Verb& verb);
};

}  // namespace velnor::est
