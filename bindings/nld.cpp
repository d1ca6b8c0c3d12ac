// DutchConjugation: the Dutch result class and the Dutch conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/nld.hpp"

namespace velnor::py {
namespace {

using nld::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Dutch verb. The present row is\n"
    "[ik, jij, hij, wij, jullie, zij]; the past is [singular, plural].";

const ResultClass<Table, 6> CLASS{"DutchConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, past_participle, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Dutch infinitive";

}  // namespace

extern const Language nld{[] { return CLASS.type(); }, "DutchConjugation",
                          &conjugate_infinitive<nld::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
