// MarathiConjugation: the Marathi result class and the Marathi conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/mar.hpp"

namespace velnor::py {
namespace {

using mar::Table;

constexpr const char DOC[] =
    "The conjugation of one Marathi verb (see `velnor::mar`). Person rows\n"
    "are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]; the subjunctive row is [masc sg,\n"
    "fem sg, neut sg, masc pl, fem pl, neut pl]; the imperative is [2sg,\n"
    "2pl, 1, 3sg, 3pl].";

const ResultClass<Table, 11> CLASS{"MarathiConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, completive, ""),
    VELNOR_ATTR(Table, purposive, ""),
    VELNOR_ATTR(Table, prospective, ""),
    VELNOR_ATTR(Table, present_masculine, ""),
    VELNOR_ATTR(Table, present_feminine, ""),
    VELNOR_ATTR(Table, perfective_masculine, ""),
    VELNOR_ATTR(Table, perfective_feminine, ""),
    VELNOR_ATTR(Table, subjunctive, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, imperative, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Marathi infinitive";

}  // namespace

extern const Language mar{[] { return CLASS.type(); }, "MarathiConjugation",
                          &conjugate_infinitive<mar::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
