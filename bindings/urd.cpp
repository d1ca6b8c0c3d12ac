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
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, oblique_infinitive, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, subjunctive, ""),
    VELNOR_ATTR(Table, future_masculine, ""),
    VELNOR_ATTR(Table, future_feminine, ""),
    VELNOR_ATTR(Table, imperfective, ""),
    VELNOR_ATTR(Table, perfective, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not an Urdu infinitive";

PyObject* conjugate(std::string_view word) {
    auto verb = urd::Verb::from_infinitive(word);
    if (!verb) return value_error(REFUSAL);
    return CLASS.wrap(urd::Table::build(*verb));
}

}  // namespace

extern const Language urd{[] { return CLASS.type(); }, "UrduConjugation", &conjugate, REFUSAL};

}  // namespace velnor::py
