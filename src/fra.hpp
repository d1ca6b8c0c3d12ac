// French conjugation: first group (-er), second group (-ir with -iss-) and
// regular -dre verbs by rule; every other verb from the built-in lexicon
// data/fra_irregular.tsv, matched by the longest base that ends the word.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expected.hpp"

namespace velnor::fra {

enum class Error : std::uint8_t { Unsupported = 0, NotAVerb = 1 };

enum class Group : std::uint8_t { First, Second, Re, Irregular };

enum class Tense : std::uint8_t {
    Present = 0,
    Imperfect = 1,
    PastHistoric = 2,
    Future = 3,
    Conditional = 4,
    SubjunctivePresent = 5,
    SubjunctiveImperfect = 6,
};

enum class Person : std::uint8_t { First = 0, Second = 1, Third = 2 };
enum class Number : std::uint8_t { Singular = 0, Plural = 1 };

// One lexicon row. The views point into the built-in lexicon text, which
// lives for the whole process.
struct LexEntry {
    std::array<std::string_view, 6> pres;
    std::string_view subj_sg;
    std::string_view subj_pl;
    std::string_view ps1;
    std::string_view fut_stem;
    std::string_view pp;
    std::optional<std::string_view> impf_stem;
    std::optional<std::string_view> prsp;
    std::optional<std::array<std::string_view, 6>> subj6;
    std::optional<std::array<std::string_view, 3>> imp3;
};

// Parses the cells of one row (lemma first). Fewer than 12 cells, or a comma
// cell without its exact number of forms, is a fatal internal error.
LexEntry parse_entry(const std::string_view* cells, std::size_t count);

// The longest lexicon base that ends `word`: the prefix in front of it and
// every row of that base in lexicon order.
struct LexMatch {
    std::string_view prefix;
    std::vector<LexEntry> rows;
};
std::optional<LexMatch> lexical(std::string_view word);

struct Table;

class Verb {
public:
    static Expected<Verb, Error> from_infinitive(std::string_view text);

    const std::string& infinitive() const noexcept { return infinitive_; }
    const std::string& stem() const noexcept { return stem_; }
    Group group() const noexcept { return group_; }
    bool reflexive() const noexcept { return reflexive_; }
    const std::string& prefix() const noexcept { return prefix_; }
    // Every row of the matched base (irregular verbs only; empty otherwise).
    const std::vector<LexEntry>& rows() const noexcept;
    bool takes_etre() const noexcept { return etre_; }

    std::string conjugate(Tense tense, Person person, Number number) const;
    std::string past_participle() const;
    std::string present_participle() const;
    std::optional<std::string> imperative(Person person, Number number) const;
    std::optional<std::string> imperative_bare(Person person, Number number) const;

    static std::string attach(std::string_view stem, std::string_view ending);
    std::string mute_stem(bool future) const;
    static bool elides(std::string_view lemma, std::string_view word) noexcept;
    std::string cliticize(std::string form, Person person, Number number) const;

private:
    friend struct Table;
    const LexEntry& row() const noexcept { return rows_[0]; }
    std::string compute_mute_stem(bool future) const;
    bool present_masked(int slot) const noexcept;
    std::string compound(std::string_view aux_form, const std::string& pp, int slot) const;
    std::string simple_bare(Tense tense, int slot) const;
    std::string irregular(Tense tense, int slot) const;
    std::string_view imperfect_stem() const noexcept;

    std::string infinitive_;
    std::string stem_;
    std::string prefix_;
    // First group: the mute stems before a mute ending, without and with the
    // future flag, worked out once per verb.
    std::string mute_;
    std::string mute_future_;
    std::vector<LexEntry> rows_;
    Group group_ = Group::First;
    bool reflexive_ = false;
    bool etre_ = false;
};

struct Table {
    using Row = std::array<std::string, 6>;

    std::string infinitive;
    std::string auxiliary;
    std::string present_participle;
    std::string past_participle;
    std::array<std::optional<std::string>, 3> imperative;
    Row present;
    Row imperfect;
    Row past_historic;
    Row future;
    Row conditional;
    Row subjunctive_present;
    Row subjunctive_imperfect;
    Row passe_compose;
    Row plus_que_parfait;
    Row passe_anterieur;
    Row futur_anterieur;
    Row conditionnel_passe;
    Row subjonctif_passe;
    Row subjonctif_plus_que_parfait;

    static Table build(const Verb& verb);
};

}  // namespace velnor::fra
