// Swahili conjugation: analysis of the input into a verb stem, the small
// lexicon of irregular stems, the concord and tense-marker rules that build
// any finite form, and the person-core table.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::swa {

// One lexicon row. `mono` is 0 (no), 1 (yes) or 2 (not given); each string
// is a view into the built-in lexicon text, absent for a `-` or empty cell.
struct Row {
    std::uint8_t mono = 2;
    std::optional<std::string_view> inf;
    std::optional<std::string_view> long_stem;
    std::optional<std::string_view> short_stem;
    std::optional<std::string_view> subj_stem;
    std::optional<std::string_view> imp_sg;
    std::optional<std::string_view> imp_pl;
};

namespace rows {
// The lexicon row of a stem (without ku-), if it has one.
std::optional<Row> find(std::string_view stem);
}  // namespace rows

// Failure of the analysis: the text is not a Swahili verb.
struct Error {};

// A subject slot: the four speech-act persons or a noun class (1-11, 15-18;
// any other class number behaves like class 1).
struct Subject {
    enum class Kind : std::uint8_t { First, Second, Class };
    Kind kind = Kind::Class;
    bool plural = false;
    int noun_class = 1;

    static constexpr Subject first(bool plural) { return {Kind::First, plural, 0}; }
    static constexpr Subject second(bool plural) { return {Kind::Second, plural, 0}; }
    static constexpr Subject of_class(int n) { return {Kind::Class, false, n}; }
};

// The tense-aspect-mood series, in marker order.
enum class Tense : std::uint8_t {
    Present = 0,          // -na-
    Past = 1,             // -li-
    Future = 2,           // -ta-
    Perfect = 3,          // -me-
    Gnomic = 4,           // the a-tense
    Subjunctive = 5,
    Habitual = 6,         // hu-
    Consecutive = 7,      // -ka-
    Situative = 8,        // -ki-
    Conditional = 9,      // -nge-
    PastConditional = 10, // -ngali-
};

// The concord join: the second plural m- (and its negative ham-) before a
// vowel-initial stem becomes mu-/hamu- (before u) or mw-/hamw- (before any
// other vowel); every other pair is plain concatenation.
std::string concord(std::string_view prefix, std::string_view stem);

struct Verb {
    std::string stem;
    std::optional<std::string> inf;
    std::optional<std::string> long_stem_override;
    std::optional<std::string> short_stem_override;
    std::optional<std::string> subj_stem;
    std::optional<std::string> imp_sg;
    std::optional<std::string> imp_pl;
    std::uint8_t mono = 2;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // The stem after -na-/-li-/-ta-/-me-/-nge-/-ngali- (ku- kept on
    // one-syllable stems: ninakunywa).
    std::string long_stem() const;
    // The stem of the a-tense, habitual, consecutive and situative.
    std::string_view short_stem() const;
    // The subjunctive stem (final -a becomes -e; loan verbs keep their vowel).
    std::string subjunctive_stem() const;
    // One finite form for any subject and series, affirmative or negative.
    std::string form(Tense tense, Subject subject, bool negative) const;
    // The imperative, singular or plural.
    std::string imperative(bool plural) const;

private:
    bool keeps_ku() const;
};

using Row6 = std::array<std::string, 6>;  // [1sg, 2sg, class 1, 1pl, 2pl, class 2]

struct Table {
    std::string infinitive;
    std::string infinitive_negative;
    std::array<std::string, 2> imperative;
    std::string habitual;
    Row6 present;
    Row6 present_negative;
    Row6 past;
    Row6 future;
    Row6 perfect;
    Row6 subjunctive;
    Row6 gnomic;

    static Table build(const Verb& verb);
};

}  // namespace velnor::swa
