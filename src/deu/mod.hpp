// The German engine: analysis of an infinitive into a Verb (regular, from
// the exception lexicon, or suppletive, possibly behind a prefix, a
// separate word or "sich"), and every synthetic, non-finite and analytic
// form of it.
#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "../expected.hpp"
#include "features.hpp"
#include "lexicon.hpp"
#include "suppletive.hpp"

namespace velnor::deu {

// The only failure: the text is not a German infinitive. `word` is the word
// that was rejected (lower-cased; the last word of a multi-word text).
struct Error {
    enum Kind : std::uint8_t { InvalidInfinitive = 0 };
    Kind kind = InvalidInfinitive;
    std::string word;
};

enum class VerbClass : std::uint8_t { Rule = 0, Entry = 1, Suppletive = 2 };

struct Prefix {
    std::string text;
    prefix::Separability separability;
    // A separable group of two words (wieder + her): the byte offset of the
    // second word. Where the group stands after the verb it is written
    // apart (stelle wieder her); before it, as one word (wiederhergestellt).
    std::size_t apart = 0;

    // The prefix as it stands after the finite verb or the imperative.
    std::string detached() const;
};

// What the weak rule reads off a single word, without copying it.
struct WeakParts {
    std::string_view stem;  // the word without "-en" (or "-n")
    bool eln_ern = false;   // ends in "eln" / "ern": the ending is "n"
    bool ieren = false;     // ends in "ieren" / "iren" after a vowel-bearing part
    bool bare_n = false;    // ends in "ien" after a consonant (knien)
};

// The weak-rule reading of a word, or none when it is not an infinitive.
std::optional<WeakParts> weak_parts(std::string_view word) noexcept;

// Puts a word after the first word of a form: "ziehe an" + "mich" gives
// "ziehe mich an"; a one-word form gets the word appended.
std::string insert_after_finite(std::string_view form, std::string_view word);

class Verb {
public:
    using Person = features::Person;
    using Number = features::Number;

    VerbClass klass = VerbClass::Rule;
    std::optional<lexicon::LexEntry> entry;              // class Entry
    const suppletive::SuppletiveVerb* table = nullptr;   // class Suppletive
    std::string infinitive;
    std::string stem;  // empty for a verb with a prefix
    std::optional<Prefix> prefix;
    std::optional<std::string_view> part2_override;
    std::unique_ptr<Verb> base;  // present exactly when `prefix` is
    bool eln_ern = false;
    bool ieren = false;
    bool bare_n = false;

    Verb() = default;
    Verb(Verb&&) noexcept = default;
    Verb& operator=(Verb&&) noexcept = default;
    ~Verb() = default;

    static Expected<Verb, Error> from_infinitive(std::string_view text);
    // The regular-verb rule on one word exactly as passed.
    static Expected<Verb, Error> weak(std::string_view word);

    // One synthetic finite form.
    std::string conjugate(Tense tense, Mood mood, Person person, Number number) const;
    std::string preterite_indicative(std::size_t slot) const;

    std::string past_participle() const;
    std::string present_participle() const;
    std::string zu_infinitive() const;
    std::string perfect_infinitive() const;
    Auxiliary auxiliary() const;

    // which: 0 = 2nd singular, 1 = 2nd plural; none for the modal verbs.
    std::optional<std::string> imperative(int which) const;
    std::string imperative_sg_default() const;
    // "gehen wir", "waschen Sie sich".
    std::string imperative_with_pronoun(std::string_view pronoun, Person person) const;

    // A compound form: auxiliary (haben/sein, or werden) and participle or
    // infinitive, with the reflexive pronoun agreeing with the slot; the
    // verb's auxiliary and past participle are computed once per table.
    std::string analytic(Compound compound, Mood mood, std::size_t slot, Auxiliary aux,
                         std::string_view participle) const;
    std::string agree_reflexive(std::string_view text, Person person, Number number) const;

private:
    const Verb& base_verb() const;
    std::string present_rule(std::size_t slot) const;
    std::string konjunktiv1_rule(std::size_t slot) const;
    std::string konjunktiv2_rule(std::size_t slot) const;
};

}  // namespace velnor::deu
