// Bengali conjugation: analysis of a verbal noun (করা, লেখা, খাওয়া, করানো),
// with an optional compound head such as "কাজ " in কাজ করা, into the stem
// grades the finite forms need; the table of raising and vowel-final roots;
// and the paradigm of eight finite tenses for five persons.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::ben {

using Row5 = std::array<std::string, 5>;

// One row of the irregular-verb table; an absent field means the rule applies.
struct LexEntry {
    std::optional<std::string> base;
    std::optional<std::string> high;
    std::optional<std::string> past_stem;
    std::optional<std::string> habitual_stem;
    std::optional<std::string> nonfinite_stem;
    std::optional<std::string> perfect;  // the whole perfective participle
    std::optional<std::string> progressive;
    std::optional<Row5> present;  // আমি, তুই, তুমি, সে, আপনি
};

// A lexicon cell: "-" or empty gives none.
std::optional<std::string> opt(std::string_view cell);
// A comma-separated cell of exactly five forms; "-" or any other count gives none.
std::optional<Row5> five(std::string_view cell);

namespace lexicon {
// The row of a verbal noun (without compound head), if any.
std::optional<LexEntry> find(std::string_view lemma);
}  // namespace lexicon

// The persons of a row, in row order.
enum class Person { Ami = 0, Tui = 1, Tumi = 2, Se = 3, Apni = 4 };

// Failure of the analysis: the text is not a Bengali verbal noun.
struct Error {};

struct Verb {
    std::string head;        // compound head including its final space, or empty
    std::string infinitive;  // the verbal noun after the head
    std::string base;        // present তুমি / সে / আপনি
    std::string high;        // present আমি / তুই, future
    std::string past_stem;   // simple past, conditional
    std::string habitual_stem;
    std::string nonfinite_stem;  // -তে infinitive
    std::string perfective;      // the perfective participle
    std::string perfect;         // stem of the perfect tenses
    std::string progressive;     // stem of the progressive tenses, with ছ / চ্ছ
    std::optional<Row5> present;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // Tense 0 present, 1 past, 2 future, 3 habitual, 4 present progressive,
    // 5 past progressive, 6 present perfect, 7 past perfect.
    std::string finite(int tense, Person person) const;
    std::string verbal_infinitive() const;
};

struct Table {
    std::string infinitive;
    std::string verbal_infinitive;
    std::string perfective;
    std::string habitual_participle;
    std::string progressive_participle;
    std::string conditional;
    Row5 present;
    Row5 past;
    Row5 future;
    Row5 habitual;
    Row5 present_progressive;
    Row5 past_progressive;
    Row5 present_perfect;
    Row5 past_perfect;

    static Table build(const Verb& verb);
};

}  // namespace velnor::ben
