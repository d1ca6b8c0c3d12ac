// Bindings for a test module: two languages whose result classes share one
// table type (the Hindi table), the second with a labelled field. Each
// instance's repr must name its own class and use its own fields.
#include "../../bindings/language.hpp"
#include "../../bindings/result_class.hpp"
#include "hin.hpp"

namespace velnor::py {
namespace {

using hin::Table;

std::string_view infinitive(const Table& t) { return t.infinitive; }
std::string_view oblique(const Table& t) { return t.oblique_infinitive; }

const ResultClass<Table, 1> FIRST{"FirstConjugation", "", {VELNOR_ATTR(Table, infinitive, "")}, &infinitive};
const ResultClass<Table, 1> SECOND{"SecondConjugation", "", {VELNOR_ATTR(Table, infinitive, "")}, &oblique, "of",
                                   &infinitive};

constexpr const char REFUSAL[] = "refused";

}  // namespace

extern const Language hin{[] { return FIRST.type(); }, "FirstConjugation",
                          &conjugate_infinitive<hin::Verb, FIRST, REFUSAL>, REFUSAL};
extern const Language urd{[] { return SECOND.type(); }, "SecondConjugation",
                          &conjugate_infinitive<hin::Verb, SECOND, REFUSAL>, REFUSAL};

}  // namespace velnor::py
