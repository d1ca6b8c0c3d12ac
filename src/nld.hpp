// Dutch conjugation: analysis of the infinitive (present stem by the spelling
// rules, the 't kofschip voicing choice), the lexicon of verbs the rules get
// wrong, and the table of present, past, imperative and participles.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::nld {

using Cell = std::optional<std::string_view>;  // absent: derive by rule

// One lexicon row: each form a view into the built-in lexicon text.
struct LexEntry {
    Cell stem;
    std::optional<std::array<std::string_view, 6>> present;  // [ik, jij, hij, wij, jullie, zij]
    Cell past_singular;
    Cell past_plural;
    Cell past_participle;
    Cell imperative;
    Cell present_participle;
};

// The lexicon row of a lemma (exact match), if any.
std::optional<LexEntry> find_entry(std::string_view lemma);

// Failure of the analysis: not a Dutch infinitive.
struct Error {};

struct Verb {
    std::string lemma;
    std::string stem;
    std::optional<LexEntry> entry;  // the lemma's lexicon row, if any
    bool voiceless = false;           // past in -te/-ten/-t rather than -de/-den/-d
    // Bytes of a separable particle at the start of the lemma (aanmaken: 3;
    // toe-eigenen: 4, with the hyphen), or 0. Stem, entry and flag then
    // belong to the verb after the particle.
    std::size_t particle = 0;
    // Bytes of unstressed prefixes before a listed verb (herbegraven: 5, herbe-
    // before graven), or 0: the verb after them gives the forms, and its
    // participle loses ge-.
    std::size_t prefix = 0;
    // The stem before a -t or -d ending where its final vowel must be
    // written long (kanoën: kanoo-t, gekanood; skiën: skie-t, geskied), or
    // empty: the stem itself.
    std::string long_stem;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // One present form: person 0 to 2, singular or plural.
    std::string present(std::size_t person, bool plural) const;
    // Bytes of the separable particle, else of the prefixes, else 0.
    std::size_t part() const;
    // The verb behind that part: the lemma without it, the rest unchanged.
    Verb inner() const;
    // A finite form of the inner verb with the part put back, if any.
    std::string wrap(std::string form) const;
    // The separable particle as written apart (toe-eigenen: toe), or empty.
    std::string_view particle_text() const;
};

struct Table {
    std::string infinitive;
    std::array<std::string, 6> present;  // ik, jij, hij, wij, jullie, zij
    std::array<std::string, 2> past;     // singular, plural
    std::string imperative;
    std::string present_participle;
    std::string past_participle;

    static Table build(const Verb& verb);
};

}  // namespace velnor::nld
