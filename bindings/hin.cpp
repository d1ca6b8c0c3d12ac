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
    VELNOR_HINDUSTANI_ROWS(Table),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Hindi infinitive";

}  // namespace

extern const Language hin{[] { return CLASS.type(); }, "HindiConjugation",
                          &conjugate_infinitive<hin::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
