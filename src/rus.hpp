// Russian conjugation: infinitive analysis, the irregular-verb lexicon
// (matched by the longest lemma that ends the base, so prefixed verbs share
// the row of their simple verb), and the finite paradigm: non-past, past and
// imperative.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::rus {

// Conjugation class, chosen from the ending of the base:
// 0 -овать/-евать (7+ chars), 1 -нуть (5+), 2 -ить (5+), 3 other -ть,
// 4 -ти/-чь.
using Class = std::uint8_t;

// The forms of one lexicon row; a group the row does not give is absent.
struct LexEntry {
    std::optional<std::array<std::string, 6>> non_past;   // 1sg 2sg 3sg 1pl 2pl 3pl
    std::optional<std::array<std::string, 4>> past;       // masc fem neut pl
    std::optional<std::array<std::string, 2>> imperative;  // sg pl
};

// A lexicon form written "\u2014" is one the verb does not have (бдеть has
// no first person singular); the table shows the dash for it.
inline constexpr std::string_view NO_FORM = "\u2014";

// Failure of the analysis: the text is not a Russian infinitive.
struct Error {};

struct Verb {
    std::string infinitive;  // trimmed, lower-cased, reflexive ending kept
    std::string base;        // without -ся/-сь
    std::string prefix;      // what stands in front of the matched lemma
    std::optional<LexEntry> entry;
    bool reflexive = false;
    Class cls = 3;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    std::string non_past(int person, bool plural) const;
    std::string past(int gender, bool plural) const;
    std::string imperative(bool plural) const;
    // The prefix joined to a lexicon form (stressed вы- drops the ё).
    std::string combine(std::string_view form) const;
    static std::string reflexivize(bool reflexive, std::string form);
    // A lexicon form as the table gives it: prefixed and made reflexive,
    // except the dash of a missing form, which stays as it is.
    std::string lexical(std::string_view form) const;
    static std::string ova_stem(std::string_view base);
};

// The text without its last n characters (empty if it has fewer).
std::string drop_last(std::string_view text, std::size_t n);
// True when the last letter is one of ж, ш, ч, щ.
bool ends_with_husher(std::string_view text);

struct Table {
    std::string infinitive;
    std::array<std::string, 6> non_past;
    std::array<std::string, 3> past_singular;
    std::string past_plural;
    std::array<std::string, 2> imperative;

    static Table build(const Verb& verb);
};

}  // namespace velnor::rus
