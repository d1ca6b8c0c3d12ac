// Urdu conjugation: analysis of a Perso-Arabic infinitive (with an optional
// compound head such as "کام " in کام کرنا), the table of irregular verbs,
// and the paradigm built off the stem. Input, lexicon keys and forms and
// every output form are in the normalised spelling of velnor::perso_arabic.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"
#include "hindustani.hpp"

namespace velnor::urd {

// The rows of the irregular-verb table are written normalised; their forms
// are views into the built-in table.
using hindustani::LexEntry;

namespace lexicon {
// The row of a normalised infinitive (without compound head), if listed.
std::optional<LexEntry> find(std::string_view lemma);
}  // namespace lexicon

// Failure of the analysis: the text is not an Urdu infinitive.
struct Error {};

struct Verb {
    std::string prefix;      // normalised compound head including its final space, or empty
    std::string infinitive;  // the normalised verb proper, ends in "نا"
    std::string stem;        // infinitive less "نا"
    std::optional<LexEntry> lex;
    bool vowel_final = false;  // the stem ends in آ, ا or و
    // The prefix in each participle agreement (m.sg, m.pl, f): the same
    // three times but where the head is a participle that agrees.
    hindustani::Triple heads;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // Each form is finished: it begins with the prefix and is normalised.
    std::string imperative(int slot) const;
    std::string perfective(bool feminine, bool plural) const;
    std::string subjunctive(int person, bool plural) const;
    std::string imperfective(bool feminine, bool plural) const;
    std::string future(int person, bool plural, bool feminine) const;

    // The prefix and the given form, normalised; with a participle slot,
    // the head in that agreement.
    std::string out(std::string_view form) const;
    std::string out(std::string_view form, int agreement) const;

private:
    // The subjunctive of the verb proper, without the prefix.
    std::string bare_subjunctive(int slot) const;
};

struct Table : hindustani::Forms {
    static Table build(const Verb& verb);
};

}  // namespace velnor::urd
