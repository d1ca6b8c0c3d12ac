// DanishConjugation: the Danish result class and the Danish conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/dan.hpp"

namespace velnor::py {
namespace {

using dan::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Danish verb (single forms \u2014 no\nperson/number agreement).";

const ResultClass<Table, 9> CLASS{"DanishConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, infinitive_passive, ""),
    VELNOR_ATTR(Table, present_passive, ""),
    VELNOR_ATTR(Table, past_passive, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Danish infinitive";

}  // namespace

extern const Language dan{[] { return CLASS.type(); }, "DanishConjugation",
                          &conjugate_infinitive<dan::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
