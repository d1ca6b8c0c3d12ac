// EnglishConjugation: the English result class and the English conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/eng.hpp"

namespace velnor::py {
namespace {

using eng::Table;

constexpr const char DOC[] = "The full conjugation table of one English verb.";

const ResultClass<Table, 11> CLASS{"EnglishConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, third_singular, ""),
    VELNOR_ATTR(Table, present_row, ""),
    VELNOR_ATTR(Table, past_row, ""),
    VELNOR_ATTR(Table, present_perfect_row, ""),
    VELNOR_ATTR(Table, past_perfect_row, ""),
    VELNOR_ATTR(Table, future_row, ""),
    VELNOR_ATTR(Table, future_perfect_row, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not an English infinitive";

}  // namespace

extern const Language eng{[] { return CLASS.type(); }, "EnglishConjugation",
                          &conjugate_infinitive<eng::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
