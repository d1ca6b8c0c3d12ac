// HindiConjugation: the Hindi result class and the Hindi conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/hin.hpp"

namespace velnor::py {
namespace {

using hin::Table;

constexpr const char DOC[] =
    "The conjugation of one Hindi verb (see `velnor::hin`). Person rows\n"
    "are [1sg, 2sg, 3sg, 1pl, 2pl, 3pl]; participle triples are\n"
    "[masc sg, masc pl, fem]; the imperative is\n"
    "[intimate (तू), familiar (तुम), polite (आप)].";

const ResultClass<Table, 8> CLASS{"HindiConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, oblique_infinitive, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, subjunctive, ""),
    VELNOR_ATTR(Table, future_masculine, ""),
    VELNOR_ATTR(Table, future_feminine, ""),
    VELNOR_ATTR(Table, imperfective, ""),
    VELNOR_ATTR(Table, perfective, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Hindi infinitive";

PyObject* conjugate(std::string_view word) {
    auto verb = hin::Verb::from_infinitive(word);
    if (!verb) return value_error(REFUSAL);
    return CLASS.wrap(hin::Table::build(*verb));
}

}  // namespace

extern const Language hin{[] { return CLASS.type(); }, "HindiConjugation", &conjugate, REFUSAL};

}  // namespace velnor::py
