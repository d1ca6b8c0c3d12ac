// RussianConjugation: the Russian result class and the Russian conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/rus.hpp"

namespace velnor::py {
namespace {

using rus::Table;

constexpr const char DOC[] =
    "The finite conjugation of one Russian verb. Person rows are\n"
    "[я, ты, он/она/оно, мы, вы, они].";

const ResultClass<Table, 5> CLASS{"RussianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, non_past, "Present (imperfective) or simple future (perfective)."),
    VELNOR_ATTR(Table, past_singular, "[masc, fem, neut] singular past."),
    VELNOR_ATTR(Table, past_plural, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 2pl]."),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Russian infinitive";

}  // namespace

extern const Language rus{[] { return CLASS.type(); }, "RussianConjugation",
                          &conjugate_infinitive<rus::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
