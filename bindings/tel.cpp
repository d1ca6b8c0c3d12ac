// TeluguConjugation: the Telugu result class and the Telugu conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/tel.hpp"

namespace velnor::py {
namespace {

using tel::Table;

constexpr const char DOC[] =
    "The finite conjugation of one Telugu verb (see `velnor::tel`).\n"
    "Every row is [1sg, 2sg, 3sg-masc, 3sg-nonmasc, 1pl, 2pl, 3pl-masc,\n"
    "3pl-nonmasc].";

const ResultClass<Table, 5> CLASS{"TeluguConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, present_durative, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 2pl]."),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Telugu verb root";

}  // namespace

extern const Language tel{[] { return CLASS.type(); }, "TeluguConjugation",
                          &conjugate_infinitive<tel::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
