// UrduConjugation: the Urdu result class and the Urdu conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/urd.hpp"

namespace velnor::py {
namespace {

using urd::Table;

constexpr const char DOC[] =
    "The conjugation of one Urdu verb (see `velnor::urd`). Urdu is\n"
    "Hindustani in the Perso-Arabic script, so the layout matches\n"
    "[`HindiConjugation`]: person rows are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl];\n"
    "participle triples are [masc sg, masc pl, fem]; the imperative is\n"
    "[intimate (تو), familiar (تم), polite (آپ)]; the synthetic future is\n"
    "written apart (اتروں گا).";

const ResultClass<Table, 8> CLASS{"UrduConjugation", DOC, {
    VELNOR_HINDUSTANI_ROWS(Table),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not an Urdu infinitive";

}  // namespace

extern const Language urd{[] { return CLASS.type(); }, "UrduConjugation",
                          &conjugate_infinitive<urd::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
