// Romanian conjugation: regular forms by class rules (stem + ending, with
// palatalisation, diphthongisation and vowel reduction on the way), and the
// forms the rules cannot derive from two built-in lexicons: the class list
// (data/ron_classes.tsv) and the override rows (data/ron_overrides.tsv).
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "expected.hpp"

namespace velnor::ron {

// The analysis fails with no further information: "not a Romanian infinitive".
struct Error {};

enum class Ending : std::uint8_t { A = 0, Ea = 1, E = 2, I = 3, Ih = 4 };

enum class Class : std::uint8_t {
    AEz = 0,
    ABare = 1,
    Ea = 2,
    E = 3,
    IEsc = 4,
    IBare = 5,
    IhAsc = 6,
    IhBare = 7,
};

// The class of a class-list code ("a-ez", "i-bare", ...), if it is one.
std::optional<Class> class_of_code(std::string_view code) noexcept;

// One override row: twelve optional forms, views into the built-in text.
struct Row {
    std::array<std::optional<std::string_view>, 6> present;  // prs1sg ... prs3pl
    std::optional<std::string_view> sbjv3;
    std::optional<std::string_view> imp2sg;
    std::optional<std::string_view> ptcp;
    std::optional<std::string_view> ger;
    std::optional<std::string_view> ipfv1sg;
    std::optional<std::string_view> pfv3sg;
};

// Parses one override line (lemma first); missing, empty and "-" cells give
// no form, cells after the thirteenth are ignored.
std::pair<std::string_view, Row> parse_row(std::string_view line);

// What the built-in class list and override lexicon give for a lemma; a
// later line for a lemma wins (a class line only when its code is known).
std::optional<Class> listed_class(std::string_view lemma);
std::optional<Row> find_row(std::string_view lemma);

// Stem changes. `diphthongize` turns the last stem vowel e into ea, o into
// oa; `diphthongize_before` does the same for a given ending, but leaves an e
// alone when the ending itself begins with e (aștepte, lege, iese).
std::string palatalize(std::string_view stem);
std::string diphthongize(std::string_view stem);
std::string diphthongize_before(std::string_view stem, std::string_view ending);

class Verb {
public:
    static Expected<Verb, Error> from_infinitive(std::string_view text);

    const std::string& infinitive() const noexcept { return infinitive_; }
    Ending ending() const noexcept { return ending_; }
    Class verb_class() const noexcept { return class_; }
    const Row& overrides() const noexcept { return row_; }
    // The infinitive without its ending (may be empty).
    std::string_view stem() const noexcept;

    // Vowel reduction before a final "se": trase → trăse, scoase → scose.
    static std::string reduce(std::string_view form);

    // person 0..2, number 0 (singular) or 1 (plural).
    std::string present(int person, int number) const;
    std::string subjunctive(int person, int number) const;  // without "să"
    std::string imperative(int number) const;               // 2sg, 2pl
    std::string participle() const;
    std::string gerund() const;
    std::string perfect_base() const;
    // tense 1 imperfect, 2 simple perfect, anything else pluperfect.
    std::string indicative(int tense, int person, int number) const;

private:
    // The override cells with the prefix that the verb adds to its listed
    // base (refac from fac for reface).
    std::string cell(std::string_view form) const;
    // A -mite verb of the third conjugation: participle -mis, gerund
    // -mițând (trimite, admite, comite).
    bool mite_verb() const noexcept;

    std::string infinitive_;
    std::string prefix_;  // in front of the base whose overrides the verb takes
    bool soft_ea_ = false;  // an unlisted -chea/-ghea verb: first conjugation (veghez)
    Row row_;
    Ending ending_ = Ending::A;
    Class class_ = Class::AEz;
};

struct Table {
    using Row6 = std::array<std::string, 6>;

    std::string infinitive;
    std::string gerund;
    std::string participle;
    std::array<std::string, 2> imperative;
    Row6 present;
    Row6 imperfect;
    Row6 simple_perfect;
    Row6 pluperfect;
    Row6 subjunctive;
    Row6 perfect_compus;
    Row6 viitor;
    Row6 conditional_prezent;
    Row6 subjunctive_perfect;
    Row6 conditional_perfect;
    Row6 viitor_anterior;

    static Table build(const Verb& verb);
};

}  // namespace velnor::ron
