// UkrainianConjugation: the Ukrainian result class and the Ukrainian conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/ukr.hpp"

namespace velnor::py {
namespace {

using ukr::Table;

constexpr const char DOC[] =
    "The conjugation table of one Ukrainian verb. The present row is\n"
    "[1sg, 2sg, 3sg, 1pl, 2pl, 3pl]; the l-past is [masc sg, fem sg,\n"
    "neut sg, plural].";

const ResultClass<Table, 4> CLASS{"UkrainianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 1pl, 2pl]"),
    VELNOR_ATTR(Table, past, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Ukrainian infinitive";

}  // namespace

extern const Language ukr{[] { return CLASS.type(); }, "UkrainianConjugation",
                          &conjugate_infinitive<ukr::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
