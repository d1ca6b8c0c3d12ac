// Swedish conjugation: lemma analysis, the principal-parts list, the class-1
// defaults for the forms the list leaves open, the s-passive (deponents
// included) and the periphrastic rows.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::swe {

// One row of the principal-parts list. None: the class-1 default applies.
struct Parts {
    std::optional<std::string> present;
    std::optional<std::string> past;
    std::optional<std::string> supine;
    std::optional<std::string> imperative;
    std::optional<std::string> subjunctive_present;
    std::optional<std::string> subjunctive_past;
};

// The row of a lemma (case-sensitive, first row of the list wins), or none.
std::optional<Parts> parts(std::string_view lemma);

// Failure of the analysis: not a Swedish infinitive.
struct Error {};

// The forms that `Verb::passive` builds.
enum class Selector { Infinitive, Present, Past, Supine };

struct Verb {
    std::string lemma;
    std::optional<std::string> present;
    std::optional<std::string> past;
    std::optional<std::string> supine;
    std::optional<std::string> imperative;
    std::optional<std::string> subjunctive_present;  // read, but no form is built from it
    std::optional<std::string> subjunctive_past;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // A lemma ending in "s": its active forms are passive in shape.
    bool is_deponent() const;
    // The active present, past and supine: the list's form, else class 1
    // ("{}r", "{}de", "{}t" on the lemma). The infinitive selector gives the lemma.
    std::string active(Selector which) const;
    // The s-passive of one form; none where a deponent has no such form.
    std::optional<std::string> passive(Selector which) const;
};

using Row6 = std::array<std::string, 6>;  // [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]

struct Table {
    std::string infinitive;
    std::optional<std::string> present;
    std::optional<std::string> past;
    std::optional<std::string> supine;
    std::optional<std::string> imperative;
    std::optional<std::string> infinitive_passive;
    std::optional<std::string> present_passive;
    std::optional<std::string> past_passive;
    std::optional<std::string> supine_passive;
    std::optional<std::string> subjunctive_past;
    std::optional<Row6> presens_row;
    std::optional<Row6> preteritum_row;
    std::optional<Row6> perfekt_row;
    std::optional<Row6> pluskvamperfekt_row;
    std::optional<Row6> futurum_row;        // none for a modal without an infinitive in use (skola)
    std::optional<Row6> konditionalis_row;

    static Table build(const Verb& verb);
};

}  // namespace velnor::swe
