// SlovenianConjugation: the Slovenian result class and the Slovenian conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/slv.hpp"

namespace velnor::py {
namespace {

using slv::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Slovenian verb. Nine-slot rows\n"
    "run [sg1, sg2, sg3, du1, du2, du3, pl1, pl2, pl3]; participles\n"
    "run [m, f, n] \xC3\x97 [sg, du, pl].";

const ResultClass<Table, 8> CLASS{"SlovenianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, supine, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 1du, 2du, 1pl, 2pl]"),
    VELNOR_ATTR(Table, participle, ""),
    VELNOR_ATTR(Table, preteklik, ""),
    VELNOR_ATTR(Table, prihodnjik, ""),
    VELNOR_ATTR(Table, pogojnik, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Slovenian infinitive";

}  // namespace

extern const Language slv{[] { return CLASS.type(); }, "SlovenianConjugation",
                          &conjugate_infinitive<slv::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
