// Tamil conjugation: a root in Tamil script (the bare imperative singular)
// gets six stems from the built-in stem lexicon or, when unlisted, from the
// productive weak rule; the finite forms stack person-number-gender endings
// onto those stems with vowel-sign joining.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::tam {

// One lexicon row; an absent field means that the rule applies.
struct LexEntry {
    std::optional<std::string> present;
    std::optional<std::string> past;
    std::optional<std::string> future;
    std::optional<std::string> um;
    std::optional<std::string> inf;
    std::optional<std::string> imp_pl;
};

// A lexicon cell: empty or exactly "-" gives none.
std::optional<std::string> opt(std::string_view cell);

// Joins stem and suffix; a suffix that begins with an independent vowel
// replaces a final virama of the stem by the vowel's sign.
std::string join(std::string_view stem, std::string_view suffix);

namespace lexicon {
// The row of a root, if any.
std::optional<LexEntry> find(std::string_view lemma);
// Number of rows in the built-in lexicon.
std::size_t size();
}  // namespace lexicon

// Failure of the analysis: the text is not a Tamil verb root.
struct Error {};

// Person-number-gender slots of a finite row.
enum class Png {
    S1, P1, S2, P2, S3Masc, S3Fem, S3Hon, S3Neut, P3Epicene, P3Neut,
};
inline constexpr std::size_t PNG_COUNT = 10;

enum class Tense { Past = 0, Present = 1, Future = 2 };

struct Verb {
    std::string root;
    std::string present;  // ends in "கிற்"
    std::string past;
    std::string future;   // ends in "வ்" or "ப்"
    std::string um;       // also the future 3sg neuter
    std::string inf;
    std::string imp_pl;

    static Expected<Verb, Error> from_root(std::string_view text);

    std::string finite(Tense tense, Png png) const;
};

using Row = std::array<std::string, PNG_COUNT>;

struct Table {
    std::string root;
    Row present;
    Row past;
    Row future;
    std::string infinitive;
    std::string adverbial;
    std::string relative_past;
    std::string relative_present;
    std::string relative_future;
    std::string conditional;
    std::array<std::string, 2> imperative;

    static Table build(const Verb& verb);
};

}  // namespace velnor::tam
