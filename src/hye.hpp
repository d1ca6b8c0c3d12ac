// Eastern Armenian conjugation: infinitive analysis (class, stems, the
// lexicon of irregular verbs) and the table of synthetic, conditional and
// analytic rows.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::hye {

// One lexicon row. Each cell is absent where the rule applies; the cells
// are views into the built-in lexicon text, which lives for the process.
// aorset is 0, 1 or 2 for the aorist ending sets 1, 2 and 3, or 255 when
// the row gives no set.
struct LexEntry {
    std::optional<std::string_view> ipfv;
    std::optional<std::string_view> perf;
    std::optional<std::string_view> aor;
    std::optional<std::string_view> imp_sg;
    std::optional<std::string_view> imp_pl;
    std::optional<std::string_view> sub;
    std::optional<std::string_view> pass;
    std::optional<std::string_view> caus;
    std::uint8_t aorset = 255;
};

namespace lexicon {
// The row of a whole infinitive (byte for byte), if any.
std::optional<LexEntry> find(std::string_view infinitive);
}  // namespace lexicon

// The failure of the analysis: not an Armenian infinitive.
struct Error {};

enum class Class : std::uint8_t { E, A };  // infinitives in -ել, -ալ
enum class Person { First = 0, Second = 1, Third = 2 };
enum class Number { Singular = 0, Plural = 1 };
enum class Converb { Imperfective, Perfective, Future, Simultaneous, Connegative };

using Row6 = std::array<std::string, 6>;  // [ես, դու, նա, մենք, դուք, նրանք]

struct Verb {
    std::string infinitive;
    std::string stem;    // the infinitive without -ել/-ալ
    std::string perf;    // perfective stem
    std::string aor;     // aorist stem
    std::string sub;     // stem of the subject participle
    std::string imp_sg;
    std::string imp_pl;
    std::string ipfv;    // imperfective converb (-ում)
    std::string pass;    // passive infinitive
    std::string caus;    // causative infinitive
    Class cls = Class::E;
    std::uint8_t aorset = 0;  // aorist ending set 1, 2 or 3 as 0, 1, 2

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    static std::string converb(const Verb& verb, Converb kind);
    static std::string participle(const Verb& verb, bool resultative);
};

struct Table {
    std::string infinitive;
    Row6 present;
    Row6 imperfect;
    Row6 aorist;
    Row6 perfect;
    Row6 pluperfect;
    Row6 future;
    Row6 future_in_past;
    Row6 subjunctive_future;
    Row6 subjunctive_past;
    Row6 conditional;
    Row6 conditional_past;
    std::array<std::string, 2> imperative;  // [singular, plural]
    std::string converb_imperfective;
    std::string converb_perfective;
    std::string converb_future;
    std::string converb_simultaneous;
    std::string connegative;
    std::string participle_subject;
    std::string participle_resultative;
    std::string passive;
    std::string causative;

    static Table build(const Verb& verb);
};

}  // namespace velnor::hye
