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

// The class that the ending and the stem decide for the forms the lexicon
// leaves open (S = the infinitive without "ma"):
//   Plain: S + da/gu/nud, present stem + tud (elama, pruukima pruugin).
//   Ta:    the -ata/-ku verbs of -ama, on `base`: S or its weak grade
//          (hõivama hõivata; hüppama hüpata, hüpatud, hüpaku).
//   Lda:   the syncopated -Clema verbs, on `base` (liiklema liigelda).
//   Ea:    -stma and long vowel + tma, a present in -a and a past in -is
//          (kostma kostan kosta kostis kostetud; köitma köidan).
//   Lla:   the frequentatives in -skelema, -telema, -lla on `base` and a past
//          in -i (oleskelema oleskella oleskelin oleskeli oleskellakse).
enum class Kind { Plain, Ta, Lda, Ea, Lla };

struct Shape {
    Kind kind = Kind::Plain;
    std::string present;  // the present stem when the lexicon gives no p1sg
    std::string base;     // the stem of da, gu and nud (and tud but for Plain and Ea)
};

Shape shape_of(std::string_view stem);
enum class Nonfinite { DaInfinitive, PresentParticiple, NudParticiple };

struct Verb {
    std::string infinitive;
    std::array<std::optional<std::string>, CellCount> cells;
    Shape shape;

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
    enum class Form { Da, Gu, Nud, Tud };
    std::string by_class(Form form) const;
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
