// EstonianConjugation: the Estonian result class and the Estonian conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/est.hpp"

namespace velnor::py {
namespace {

using est::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Estonian verb. Six-slot rows\n"
    "run [ma, sa, ta, me, te, nad].";

const ResultClass<Table, 14> CLASS{"EstonianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, da_infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 3sg, 1pl, 2pl]"),
    VELNOR_ATTR(Table, present_impersonal, ""),
    VELNOR_ATTR(Table, past_impersonal, ""),
    VELNOR_ATTR(Table, quotative, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, nud_participle, ""),
    VELNOR_ATTR(Table, tud_participle, ""),
    VELNOR_ATTR(Table, perfect, ""),
    VELNOR_ATTR(Table, pluperfect, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not an Estonian ma-infinitive";

}  // namespace

extern const Language est{[] { return CLASS.type(); }, "EstonianConjugation",
                          &conjugate_infinitive<est::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
