// FrenchConjugation: the result class of the French engine.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/fra.hpp"

namespace velnor::py {
namespace {

using fra::Table;

constexpr const char DOC[] =
    "The full conjugation table of one French verb. Rows are\n[je, tu, il/elle, nous, vous, ils/elles].";

const ResultClass<Table, 19> CLASS{"FrenchConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, auxiliary, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, imperative, "[tu, nous, vous]"),
    VELNOR_SIMPLE_TENSES(Table, past_historic),
    VELNOR_ATTR(Table, passe_compose, ""),
    VELNOR_ATTR(Table, plus_que_parfait, ""),
    VELNOR_ATTR(Table, passe_anterieur, ""),
    VELNOR_ATTR(Table, futur_anterieur, ""),
    VELNOR_ATTR(Table, conditionnel_passe, ""),
    VELNOR_ATTR(Table, subjonctif_passe, ""),
    VELNOR_ATTR(Table, subjonctif_plus_que_parfait, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a French infinitive";
constexpr const char UNSUPPORTED[] = "not a supported French verb";

}  // namespace

extern const Language fra{[] { return CLASS.type(); }, "FrenchConjugation",
                          &conjugate_infinitive<fra::Verb, CLASS, REFUSAL, UNSUPPORTED>, REFUSAL};

}  // namespace velnor::py
