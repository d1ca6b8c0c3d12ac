// IrishConjugation: the Irish result class and the Irish conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/gle.hpp"

namespace velnor::py {
namespace {

using gle::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Irish verb. Rows run [base,\n"
    "1sg, 2sg, 1pl, 2pl, 3pl, autonomous]; None marks analytic-only\n"
    "slots (filled with pronouns in running text).";

const ResultClass<Table, 10> CLASS{"IrishConjugation", DOC, {
    VELNOR_ATTR(Table, lemma, ""),
    VELNOR_ATTR(Table, verbal_noun, ""),
    VELNOR_ATTR(Table, verbal_adjective, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, past_habitual, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, subjunctive, ""),
}, [](const Table& t) -> std::string_view { return t.lemma; }};

constexpr const char REFUSAL[] = "not an Irish verb";

}  // namespace

extern const Language gle{[] { return CLASS.type(); }, "IrishConjugation",
                          &conjugate_infinitive<gle::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
