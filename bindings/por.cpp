// PortugueseConjugation: the table of velnor::por as a read-only Python object.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/por.hpp"

namespace velnor::py {
namespace {

using por::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Portuguese verb. Rows are\n[eu, tu, ele/ela, nós, vós, eles/elas].";

const ResultClass<Table, 20> CLASS{"PortugueseConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, gerund, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, imperative, "[tu, você, nós, vós, vocês]"),
    VELNOR_ATTR(Table, personal_infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, imperfect, ""),
    VELNOR_ATTR(Table, preterite, ""),
    VELNOR_ATTR(Table, pluperfect, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, subjunctive_present, ""),
    VELNOR_ATTR(Table, subjunctive_imperfect, ""),
    VELNOR_ATTR(Table, subjunctive_future, ""),
    VELNOR_ATTR(Table, perfeito_composto, ""),
    VELNOR_ATTR(Table, mais_que_perfeito_composto, ""),
    VELNOR_ATTR(Table, futuro_composto, ""),
    VELNOR_ATTR(Table, condicional_composto, ""),
    VELNOR_ATTR(Table, conjuntivo_perfeito, ""),
    VELNOR_ATTR(Table, conjuntivo_mais_que_perfeito, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Portuguese infinitive";
constexpr const char UNSUPPORTED[] = "not a supported Portuguese verb";

}  // namespace

extern const Language por{[] { return CLASS.type(); }, "PortugueseConjugation",
                          &conjugate_infinitive<por::Verb, CLASS, REFUSAL, UNSUPPORTED>, REFUSAL};

}  // namespace velnor::py
