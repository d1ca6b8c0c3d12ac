// GujaratiConjugation: the Gujarati result class and the Gujarati conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/guj.hpp"

namespace velnor::py {
namespace {

using guj::Table;

constexpr const char DOC[] =
    "The conjugation of one Gujarati verb (see `velnor::guj`). Person\n"
    "rows are [1sg, 2sg, 3, 1pl, 2pl] (the third person does not split\n"
    "singular from plural); participle rows are [masc sg, masc pl, fem,\n"
    "neut sg, neut pl]; the imperative is [2sg, 2pl, polite sg, polite pl].";

const ResultClass<Table, 10> CLASS{"GujaratiConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, verbal_noun, ""),
    VELNOR_ATTR(Table, conjunctive, ""),
    VELNOR_ATTR(Table, consecutive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, perfective, ""),
    VELNOR_ATTR(Table, imperfective, ""),
    VELNOR_ATTR(Table, present_progressive, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Gujarati infinitive";

}  // namespace

extern const Language guj{[] { return CLASS.type(); }, "GujaratiConjugation",
                          &conjugate_infinitive<guj::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
