// Danish conjugation: lemma analysis, the principal-parts list and the
// auxiliary list, and the single-form table (Danish verbs do not agree in
// person or number). Regular verbs follow the weak "-ede" / "-de" class;
// the principal-parts list supplies whatever those defaults get wrong.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::dan {

// One row of the principal-parts list; an empty value means "derive by rule".
// An imperative cell "—" (U+2014) says that the verb has no imperative; a
// present-participle cell "—" that it has none (the modals), and a
// past-passive cell "—" that it has no s-passive at all (skulle, være).
struct Parts {
    std::optional<std::string> present;
    std::optional<std::string> past;
    std::optional<std::string> past_participle;
    std::optional<std::string> imperative;
    std::optional<std::string> present_participle;
    std::optional<std::string> past_passive;
    // The list marks the imperative "—": the verb has none (the modals).
    bool no_imperative = false;
};

// A copy of the lemma's row (exact, case-sensitive lookup), or none.
std::optional<Parts> parts(std::string_view lemma);

// The lemma's perfect auxiliary ("har", "er" or "er/har") from the auxiliary
// list, as a view into the built-in text, or none.
std::optional<std::string_view> auxiliary(std::string_view lemma);

// Failure of the analysis: the text is not a Danish infinitive.
struct Error {};

enum class Active { Present, Past, Imperative, PresentParticiple, PastParticiple };
enum class Passive { Present, Past, PastParticiple };

struct Verb {
    std::string lemma;
    std::optional<std::string> present;
    std::optional<std::string> past;
    std::optional<std::string> past_participle;
    std::optional<std::string> imperative;
    std::optional<std::string> present_participle;
    std::optional<std::string> past_passive;
    bool no_imperative = false;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // A lemma ending in "s" is a deponent: it has no active forms of its own.
    bool deponent() const noexcept { return !lemma.empty() && lemma.back() == 's'; }
    // The stem: the lemma without a final "e" that follows a consonant.
    std::string_view stem() const noexcept;

    // Whether the verb has an s-passive (the row's past passive is not "—").
    bool has_passive() const noexcept;
    std::optional<std::string> active(Active which) const;
    std::optional<std::string> passive(Passive which) const;
};

struct Table {
    std::string infinitive;
    std::optional<std::string> present;
    std::optional<std::string> past;
    std::optional<std::string> past_participle;
    std::optional<std::string> imperative;
    std::optional<std::string> present_participle;
    std::optional<std::string> infinitive_passive;
    std::optional<std::string> present_passive;
    std::optional<std::string> past_passive;
    // The perfect auxiliary, when the auxiliary list has the lemma; no form
    // uses it and the result class does not show it.
    std::optional<std::string_view> auxiliary;

    static Table build(const Verb& verb);
};

}  // namespace velnor::dan
