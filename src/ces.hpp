// Czech conjugation: analysis of the infinitive, the class list, the row
// lexicon of irregular forms, the aspect list, the single-form operations
// and the full table (present, imperative, participles, transgressive and
// the analytic past and conditional).
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "expected.hpp"

namespace velnor::ces {

// The conjugation class, named in the class list by its code.
enum class Class : std::uint8_t { Uje = 0, A = 1, I = 2, EtI = 3, EtEji = 4, Ne = 5 };

// The class list's code of a class ("uje", "a", "i", "et-i", "et-eji", "ne").
std::string_view class_code(Class c) noexcept;

// One row of the irregular-form lexicon: the fourteen form columns, each a
// view into the built-in text, absent for "-", an empty or a missing cell.
struct Row {
    static constexpr std::size_t kColumns = 14;
    // 0-5 present 1sg..3pl, 6-8 imperative 2sg/1pl/2pl, 9 l-participle,
    // 10 passive participle, 11 masculine and 12 feminine/neuter
    // transgressive, 13 feminine l-participle.
    std::array<std::optional<std::string_view>, kColumns> cells;
};

// Aspect entry: the aspect word ("imperfective" or "perfective") and the first
// partner lemma (empty when the list names none).
using AspectEntry = std::pair<std::string_view, std::string_view>;

// What the class list, the row lexicon and the aspect list give for a lemma.
std::optional<Class> listed_class(std::string_view lemma);
std::optional<Row> find_row(std::string_view lemma);
std::optional<AspectEntry> find_aspect(std::string_view lemma);

// Failure of the analysis: the text is not a Czech infinitive.
struct Error {};

// Gender codes of the participle operations.
enum Gender : int { MascAnimate = 0, MascInanimate = 1, Feminine = 2, Neuter = 3 };

struct Verb {
    std::string lemma;
    Class cls = Class::I;
    // Lexicon overrides, absent when the verb has no row or the cell is empty.
    std::array<std::optional<std::string>, 6> present_override;     // 1sg..3pl
    std::array<std::optional<std::string>, 3> imperative_override;  // 2sg, 1pl, 2pl
    std::optional<std::string> l_participle_override;               // masculine singular
    std::optional<std::string> l_participle_fem_override;           // feminine singular
    std::optional<std::string> passive_override;                    // masculine singular
    bool no_passive = false;  // intransitive: no personal passive (padnout, sedět)
    std::optional<std::string> transgressive_m_override;
    std::optional<std::string> transgressive_fn_override;
    // The infinitive ends in a long -ít or -át that the rules cut like -it and
    // -at (mstít: mstím, mstil; dbát: dbám, dbal). Set only for a verb that
    // takes its forms from the rules alone.
    bool long_ending = false;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // The lemma without its class's infinitive ending (the whole lemma when
    // it does not end in it).
    std::string_view stem() const noexcept;
    // person: 0 first, 1 second; number: 0 singular, 1 plural.
    std::optional<std::string> imperative(int person, int number) const;
    std::string past_participle(int gender, int number) const;
    std::optional<std::string> passive_participle(int gender, int number) const;
    static std::string inflect_ptcp(std::string_view form, int gender, int number);
    // slot: 0 masculine singular, 1 feminine/neuter singular, 2 plural.
    std::optional<std::string> transgressive(int slot) const;

private:
    bool has_stem() const noexcept { return stem().size() < lemma.size(); }
};

using Row6 = std::array<std::string, 6>;

struct Table {
    std::string infinitive;
    Row6 present;                                        // 1sg..3pl
    std::array<std::optional<std::string>, 3> imperative;  // 2sg, 1pl, 2pl
    Row6 past_participle;  // m sg, f sg, n sg, m-anim pl, f pl, n pl
    std::optional<Row6> passive_participle;  // participle slot order, or absent
    std::array<std::optional<std::string>, 3> transgressive;  // m sg, f/n sg, pl
    Row6 minuly_cas;
    Row6 kondicional;
    // Built but not carried by the result class.
    std::optional<std::string> aspect;
    std::optional<std::string> aspect_partner;

    static Table build(const Verb& verb);
};

}  // namespace velnor::ces
