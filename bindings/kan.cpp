// KannadaConjugation: the Kannada result class and the Kannada conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/kan.hpp"

namespace velnor::py {
namespace {

using kan::Table;

constexpr const char DOC[] =
    "The finite conjugation of one Kannada verb (see `velnor::kan`).\n"
    "Every row is [1sg, 2sg, 3sg-masc, 3sg-fem, 3sg-neut, 1pl, 2pl,\n"
    "3pl-masc, 3pl-fem, 3pl-neut].";

const ResultClass<Table, 5> CLASS{"KannadaConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 2pl]."),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Kannada verb root";

}  // namespace

extern const Language kan{[] { return CLASS.type(); }, "KannadaConjugation",
                          &conjugate_infinitive<kan::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
