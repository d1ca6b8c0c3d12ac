// CzechConjugation: the Czech result class and the Czech conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/ces.hpp"

namespace velnor::py {
namespace {

using ces::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Czech verb. Person rows are\n"
    "[já, ty, on/ona, my, vy, oni]; participle rows are\n"
    "[masc sg, fem sg, neut sg, masc-anim pl, fem pl, neut pl].";

const ResultClass<Table, 8> CLASS{"CzechConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 1pl, 2pl]"),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, passive_participle, ""),
    VELNOR_ATTR(Table, transgressive, "[masc, fem/neut, plural]"),
    VELNOR_ATTR(Table, minuly_cas, ""),
    VELNOR_ATTR(Table, kondicional, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Czech infinitive";

}  // namespace

extern const Language ces{[] { return CLASS.type(); }, "CzechConjugation",
                          &conjugate_infinitive<ces::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
