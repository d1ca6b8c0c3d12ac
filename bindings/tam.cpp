// TamilConjugation: the Tamil result class and the Tamil conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/tam.hpp"

namespace velnor::py {
namespace {

using tam::Table;

constexpr const char DOC[] =
    "The conjugation of one Tamil verb (see `velnor::tam`). Finite rows\n"
    "are [1sg, 1pl, 2sg, 2pl, 3sg m, 3sg f, 3sg hon, 3sg neut, 3pl epicene,\n"
    "3pl neut]; the imperative is [singular, plural].";

const ResultClass<Table, 11> CLASS{"TamilConjugation", DOC, {
    VELNOR_ATTR(Table, root, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, adverbial, ""),
    VELNOR_ATTR(Table, relative_past, ""),
    VELNOR_ATTR(Table, relative_present, ""),
    VELNOR_ATTR(Table, relative_future, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, imperative, ""),
}, [](const Table& t) -> std::string_view { return t.root; }};

constexpr const char REFUSAL[] = "not a Tamil verb root";

}  // namespace

extern const Language tam{[] { return CLASS.type(); }, "TamilConjugation",
                          &conjugate_with<&tam::Verb::from_root, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
