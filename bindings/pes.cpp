// PersianConjugation: the Persian result class and the Persian conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/pes.hpp"

namespace velnor::py {
namespace {

using pes::Table;

constexpr const char DOC[] =
    "The conjugation of one Persian verb (see `velnor::pes`). Person rows\n"
    "are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl] and affirmative; the imperative is\n"
    "[2sg, 2pl]. Forms are in normalized Perso-Arabic orthography.";

const ResultClass<Table, 15> CLASS{"PersianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, aorist, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, subjunctive, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, imperfect, ""),
    VELNOR_ATTR(Table, perfect, ""),
    VELNOR_ATTR(Table, pluperfect, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, perfect_subjunctive, ""),
    VELNOR_ATTR(Table, present_progressive, ""),
    VELNOR_ATTR(Table, past_progressive, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, present_participle, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Persian infinitive";

}  // namespace

extern const Language pes{[] { return CLASS.type(); }, "PersianConjugation",
                          &conjugate_infinitive<pes::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
